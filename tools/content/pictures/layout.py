"""Sizes and placement rules the pictures share, in scene pixels at scale 1."""

# Piece images: 12 patterns in PiecePattern order, 6 to a row.
PIECE_COUNT = 12
PIECE_COLUMNS = 6
# Transparent pixels around each visible cell, so filtered drawing never samples a
# neighbouring pattern.
GUTTER = 2

# The figures on the board.
FIGURE_VISIBLE = (100, 190)
# Figure model units (the king is 10 tall) to sprite pixels.
FIGURE_PIXELS_PER_UNIT = 16.0
# The portraits: the same figures 3.33 times as large.
PORTRAIT_FACTOR = 3.33
PORTRAIT_VISIBLE = (333, 633)
# Where in the anchor pixel the base's lowest point lies: the middle of the column and
# near the bottom of the row, so that row is the figure's lowest and the next is empty.
ANCHOR_IN_PIXEL = (0.5, 0.8)

# The icons: figures fitted into a 90 x 90 box.
ICON_VISIBLE = (90, 90)
# The classic board's pieces, for 90-pixel squares.
DIAGRAM_VISIBLE = (90, 90)

GROUND_SIZE = (1024, 768)
CLASSIC_SIZE = (800, 800)
LAUNCHER_SIZE = (630, 360)
PROGRAM_ICON_SIZE = 256


def piece_code(pattern):
    """The piece code shown by pattern 0..11."""
    return pattern + 1 if pattern < 6 else -(pattern - 5)


def piece_kind_army(pattern):
    code = piece_code(pattern)
    return abs(code), (1 if code > 0 else -1)


def round_half_even(v):
    return int(round(v))


def portrait_anchor(anchor):
    """The portrait's base pixel: the anchor times 3.33, rounded as the scene rounds."""
    return (round_half_even(anchor[0] * PORTRAIT_FACTOR),
            round_half_even(anchor[1] * PORTRAIT_FACTOR))
