"""The figure board's camera, fitted to the game's square table.

The table holds each square's four corners in scene pixels. Corner (i, j) of the board grid
is file boundary i (0 = left of file a) and rank boundary j (0 = behind rank 8); squares
share corners up to a pixel, so each grid point is the mean of the corners that name it.
A plane homography is fitted to the 81 points, and a square-pixel pinhole camera with its
principal point on the scene's middle row is read out of it. The table is not quite one
perspective (corners stray up to 2.5 pixels from the best fit); `corner_offsets` gives what
is left over, and the ground pictures warp their render by it so every corner lands on the
table.

World coordinates are POV-Ray's: x along the files (a to h), y up, z along the ranks
(rank 1 towards -z, rank 8 towards +z); one unit is one square; the board's corner
behind a8 is at the origin.
"""

import json

import numpy as np


def load_geometry(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def grid_points(geometry):
    """{(i, j): mean scene point} over the table's corners."""
    named = {}
    for s, q in enumerate(geometry["squares"]):
        f, r = s % 8, s // 8
        for key, (i, j) in (("top", (f, r)), ("left", (f, r + 1)),
                            ("bottom", (f + 1, r + 1)), ("right", (f + 1, r))):
            named.setdefault((i, j), []).append(q[key])
    return {k: np.mean(np.array(v, float), axis=0) for k, v in named.items()}


def _project(h, pts):
    p = np.c_[pts, np.ones(len(pts))] @ h.T
    return p[:, :2] / p[:, 2:]


def fit_homography(points):
    keys = sorted(points)
    src = np.array(keys, float)
    dst = np.array([points[k] for k in keys])
    rows = []
    for (x, y), (u, v) in zip(src, dst):
        rows.append([x, y, 1, 0, 0, 0, -u * x, -u * y, -u])
        rows.append([0, 0, 0, x, y, 1, -v * x, -v * y, -v])
    h = np.linalg.svd(np.array(rows))[2][-1].reshape(3, 3)
    h = h / h[2, 2]
    # Gauss-Newton on the pixel error; the algebraic fit above only starts it.
    params = h.ravel()[:8].copy()
    for _ in range(30):
        def residual(p):
            return (_project(np.append(p, 1).reshape(3, 3), src) - dst).ravel()
        r = residual(params)
        jac = np.empty((len(r), 8))
        for k in range(8):
            step = 1e-7 * max(1.0, abs(params[k]))
            d = np.zeros(8)
            d[k] = step
            jac[:, k] = (residual(params + d) - r) / step
        params = params - np.linalg.lstsq(jac, r, rcond=None)[0]
    return np.append(params, 1).reshape(3, 3)


class BoardCamera:
    """Pinhole camera: scene pixel (u, v) sees along ray(u, v) from `location`."""

    def __init__(self, geometry, width=1024, height=768):
        self.points = grid_points(geometry)
        self.homography = fit_homography(self.points)
        self.width, self.height = width, height
        cy = height / 2.0
        cx = self._consistent_cx(cy)
        g = np.linalg.inv(self._k(cx, cy, 1.0)) @ self.homography
        # Focal length from the orthogonality of the board's two axes.
        h1, h2 = g[:, 0], g[:, 1]
        f2 = -(h1[0] * h2[0] + h1[1] * h2[1]) / (h1[2] * h2[2])
        self.focal = float(np.sqrt(f2))
        self.centre = (cx, cy)
        k = self._k(cx, cy, self.focal)
        g = np.linalg.inv(k) @ self.homography
        scale = 2.0 / (np.linalg.norm(g[:, 0]) + np.linalg.norm(g[:, 1]))
        r1, r2, t = g[:, 0] * scale, g[:, 1] * scale, g[:, 2] * scale
        if t[2] < 0:
            r1, r2, t = -r1, -r2, -t
        r3 = np.cross(r1, r2)
        rot = np.c_[r1, r2, r3]
        u, _, vt = np.linalg.svd(rot)
        rot = u @ vt
        # Camera coordinates (x right, y down, z forward) from board coordinates (i, j, n).
        self._rot, self._t, self._k_matrix = rot, t, k
        eye = -rot.T @ t
        up_sign = 1.0 if eye[2] > 0 else -1.0
        self._up_sign = up_sign
        self.location = self.to_world(eye)

    @staticmethod
    def _k(cx, cy, f):
        return np.array([[f, 0, cx], [0, f, cy], [0, 0, 1.0]])

    def _consistent_cx(self, cy):
        """Principal point column at which both square-pixel conditions give one focal."""
        def gap(cx):
            g = np.linalg.inv(self._k(cx, cy, 1.0)) @ self.homography
            h1, h2 = g[:, 0], g[:, 1]
            a = -(h1[0] * h2[0] + h1[1] * h2[1]) / (h1[2] * h2[2])
            b = -((h1[0] ** 2 + h1[1] ** 2) - (h2[0] ** 2 + h2[1] ** 2)) / (h1[2] ** 2 - h2[2] ** 2)
            return a - b
        lo, hi = 0.0, float(self.width)
        for _ in range(80):
            mid = (lo + hi) / 2
            if (gap(lo) > 0) == (gap(mid) > 0):
                lo = mid
            else:
                hi = mid
        return (lo + hi) / 2

    def to_world(self, board):
        """Board coordinates (i, j, n) to POV-Ray world (x, y, z)."""
        i, j, n = board
        return np.array([i, n * self._up_sign, -j])

    def from_world(self, world):
        x, y, z = world
        return np.array([x, -z, y * self._up_sign])

    def project(self, world):
        """Scene pixel of a POV-Ray world point."""
        c = self._k_matrix @ (self._rot @ self.from_world(world) + self._t)
        return c[:2] / c[2]

    def ray(self, u, v):
        m = self._rot.T @ np.linalg.inv(self._k_matrix)
        return self.to_world(m @ np.array([u, v, 1.0])) - self.to_world(np.zeros(3))

    def corner_offsets(self):
        """{(i, j): table point - projected grid point} in scene pixels."""
        return {k: p - self.project(self.to_world((k[0], k[1], 0.0)))
                for k, p in self.points.items()}

    def pov_camera(self, shift=(0, 0), width=None, height=None):
        """POV-Ray camera block for the whole scene, the board shifted by `shift` pixels."""
        w, h = self.width, self.height
        # Table points are pixel indices; POV-Ray's image plane runs over pixel edges, so
        # pixel k's centre lies at k + 0.5 there.
        sx, sy = shift[0] + 0.5, shift[1] + 0.5
        origin = self.ray(-sx, -sy)
        right = self.ray(w - sx, -sy) - origin
        down = self.ray(-sx, h - sy) - origin
        direction = origin + 0.5 * right + 0.5 * down
        up = -down
        def vec(a):
            return "<%.9f, %.9f, %.9f>" % tuple(a)
        return ("camera {\n  perspective\n  location %s\n  direction %s\n  right %s\n"
                "  up %s\n}\n" % (vec(self.location), vec(direction), vec(right), vec(up)))

    def elevation_degrees(self):
        """Angle above the board at which the camera sees the board's middle."""
        d = np.array([4.0, 0.0, -4.0]) - self.location
        return float(np.degrees(np.arcsin(-d[1] / np.linalg.norm(d))))

    def azimuth_degrees(self):
        """Compass angle of the view across the board's middle, 0 looking along +z."""
        d = np.array([4.0, 0.0, -4.0]) - self.location
        return float(np.degrees(np.arctan2(d[0], d[2])))
