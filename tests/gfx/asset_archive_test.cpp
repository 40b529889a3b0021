#include "gfx/asset_archive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "gfx/archive_writer.h"
#include "platform/codec/codec.h"
#include "test_files.h"

namespace vellara {
namespace {

using test::Bytes;
using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;

std::vector<std::uint8_t> Pattern(std::size_t n, int seed) {
  std::vector<std::uint8_t> v(n);
  std::uint32_t x = static_cast<std::uint32_t>(seed) * 2654435761u + 1;
  for (auto& b : v) {
    x = x * 1103515245u + 12345u;
    b = static_cast<std::uint8_t>(x >> 24);
  }
  return v;
}

class ArchiveTest : public ::testing::Test {
 protected:
  // Three records: a secure image, a plain one, and a secure font record.
  void SetUp() override {
    entries_ = {{"Board", 1, Pattern(5000, 1), true},
                {"Plain", 2, Bytes("not encrypted at all"), false},
                {"font_big", kFontRecordType, Pattern(777, 3), true}};
    options_.password = "qzvk";
    path_ = dir_.File("vellara.dat");
    ASSERT_TRUE(WriteArchiveFile(path_, entries_, options_));
  }

  void Config(AssetArchive& a, const std::string& password = "qzvk") {
    a.SetFileName(path_);
    a.SetOpenMode(opReadOnly);
    a.SetPassword(password.data(), static_cast<int>(password.size()));
  }

  // Offset of the record header of entry `i` in the file written by SetUp.
  std::size_t HeaderOffset(int i) {
    AssetArchive a;
    Config(a);
    EXPECT_TRUE(a.OpenArchive());
    return static_cast<std::size_t>(a.Records()[static_cast<std::size_t>(i)].RecordOffset);
  }

  bool Reads(AssetArchive& a, const std::string& key, std::vector<std::uint8_t>* data = nullptr) {
    MemoryStream s;
    const bool ok = a.ReadRecord(key, s);
    if (data) *data = s.Bytes();
    return ok;
  }

  ScratchDir dir_;
  std::string path_;
  std::vector<PackEntry> entries_;
  PackOptions options_;
};

TEST_F(ArchiveTest, ReadsBackEveryRecordWithItsDirectory) {
  AssetArchive a;
  Config(a);
  ASSERT_TRUE(a.OpenArchive());
  ASSERT_EQ(a.RecordCount(), 3);
  EXPECT_EQ(a.Records()[0].Key, "Board");
  EXPECT_EQ(a.Records()[0].Secure, 1);
  EXPECT_EQ(a.Records()[1].Secure, 0);
  EXPECT_EQ(a.RecordType(2), kFontRecordType);
  EXPECT_EQ(a.RecordType(3), 0);
  EXPECT_EQ(a.RecordType(-1), 0);
  for (const PackEntry& e : entries_) {
    std::vector<std::uint8_t> data;
    EXPECT_TRUE(Reads(a, e.key, &data)) << e.key;
    EXPECT_EQ(data, e.data) << e.key;
  }
  EXPECT_FALSE(Reads(a, "missing"));
}

TEST_F(ArchiveTest, ReadRecordAppendsToTheStream) {
  AssetArchive a;
  Config(a);
  MemoryStream s;
  s.Write(Bytes("head:"));
  ASSERT_TRUE(a.ReadRecord("plain", s));
  EXPECT_EQ(s.Bytes(), Bytes("head:not encrypted at all"));
}

TEST_F(ArchiveTest, SignatureIsNotCompared) {
  auto bytes = ReadBytes(path_);
  std::memcpy(bytes.data(), "XXXX", 4);
  WriteBytes(path_, bytes);
  AssetArchive a;
  Config(a);
  EXPECT_TRUE(a.OpenArchive());
  EXPECT_TRUE(Reads(a, "Board"));
}

TEST_F(ArchiveTest, KeysMatchIgnoringCaseAndTheFirstMatchWins) {
  entries_.push_back({"BOARD", 1, Bytes("second board"), true});
  ASSERT_TRUE(WriteArchiveFile(path_, entries_, options_));
  AssetArchive a;
  Config(a);
  ASSERT_TRUE(a.OpenArchive());
  EXPECT_EQ(a.FindRecord("bOaRd"), 0);
  EXPECT_EQ(a.FindRecord("FONT_BIG"), 2);
  EXPECT_EQ(a.FindRecord("Board "), -1);
  std::vector<std::uint8_t> data;
  ASSERT_TRUE(Reads(a, "board", &data));
  EXPECT_EQ(data, entries_[0].data);
}

TEST_F(ArchiveTest, SecureRecordsNeedTheRightPassword) {
  struct Case {
    std::string password;
    bool secureReads;
  };
  const Case cases[] = {{"qzvk", true}, {"", false}, {"qzvj", false}, {"QZVK", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.password);
    AssetArchive a;
    Config(a, c.password);
    EXPECT_EQ(Reads(a, "Board"), c.secureReads);
    EXPECT_EQ(Reads(a, "font_big"), c.secureReads);
    EXPECT_TRUE(Reads(a, "Plain"));
  }
  AssetArchive a;
  Config(a);
  a.SetPassword("x", 0);
  EXPECT_EQ(a.PasswordLength(), 0);
  EXPECT_FALSE(Reads(a, "Board"));
  a.SetPassword("x", -5);
  EXPECT_FALSE(Reads(a, "Board"));
}

TEST_F(ArchiveTest, PasswordsBeyond56BytesCountOnlyTheirFirst56) {
  std::string base;
  for (int i = 0; i < 56; ++i) base += static_cast<char>('a' + i % 26 + (i / 26));
  options_.password = base + "writer-tail";
  ASSERT_TRUE(WriteArchiveFile(path_, entries_, options_));
  for (const std::string& pw : {base, base + "reader-tail-that-differs", base + "writer-tail"}) {
    AssetArchive a;
    Config(a, pw);
    EXPECT_EQ(a.PasswordLength(), 56);
    EXPECT_TRUE(Reads(a, "Board")) << pw.size();
  }
  AssetArchive a;
  Config(a, base.substr(0, 55));
  EXPECT_FALSE(Reads(a, "Board"));
}

TEST_F(ArchiveTest, TrailingBytesOfAnOddSizedPayloadStayUnencrypted) {
  // Find a record whose compressed size is not a multiple of 8.
  std::vector<std::uint8_t> data, stream;
  for (int n = 100; n < 200; ++n) {
    data = Pattern(static_cast<std::size_t>(n), n);
    stream = DeflateZlib(data);
    if (stream.size() % 8 != 0) break;
  }
  ASSERT_NE(stream.size() % 8, 0u);
  entries_ = {{"odd", 1, data, true}};
  ASSERT_TRUE(WriteArchiveFile(path_, entries_, options_));
  const auto file = ReadBytes(path_);
  const std::size_t payload = kArchiveHeaderSize + kRecordHeaderSize;
  const std::size_t tail = stream.size() % 8;
  const std::size_t whole = stream.size() - tail;
  EXPECT_TRUE(std::equal(stream.begin() + static_cast<std::ptrdiff_t>(whole), stream.end(),
                         file.begin() + static_cast<std::ptrdiff_t>(payload + whole)));
  EXPECT_FALSE(std::equal(stream.begin(), stream.begin() + 8,
                          file.begin() + static_cast<std::ptrdiff_t>(payload)));
  AssetArchive a;
  Config(a);
  std::vector<std::uint8_t> back;
  ASSERT_TRUE(Reads(a, "odd", &back));
  EXPECT_EQ(back, data);
}

TEST_F(ArchiveTest, DamagedRecordsReadAsFalse) {
  struct Damage {
    const char* what;
    std::size_t offset;  // from the record header of "Board"
    int delta;
  };
  const Damage damages[] = {
      {"OriginalSize one more", 2, +1}, {"OriginalSize one less", 2, -1},
      {"Checksum byte", 18 + 5, +1},    {"payload byte", kRecordHeaderSize + 40, +1},
      {"InitVector byte", 36 + 2, +1},  {"StoredSize one less", 6, -1},
  };
  const std::size_t base = HeaderOffset(0);
  const auto original = ReadBytes(path_);
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.what);
    auto bytes = original;
    bytes[base + d.offset] = static_cast<std::uint8_t>(bytes[base + d.offset] + d.delta);
    WriteBytes(path_, bytes);
    AssetArchive a;
    Config(a);
    EXPECT_TRUE(a.OpenArchive());
    EXPECT_FALSE(Reads(a, "Board"));
    EXPECT_TRUE(Reads(a, "Plain"));
  }
}

TEST_F(ArchiveTest, HostileSizesFailWithoutReading) {
  struct Damage {
    const char* what;
    std::size_t offset;
    std::uint32_t value;
    bool fromRecord;  // offset within the record header of "Board" instead of the file
  };
  const std::size_t base = HeaderOffset(0);
  const Damage damages[] = {
      {"negative RecordCount", 4, 0xFFFFFFFFu, false},
      {"huge RecordCount", 4, 0x7FFFFFFFu, false},
      {"TableOffset past the end", 8, 0x7FFFFFF0u, false},
      {"negative TableOffset", 8, 0x80000000u, false},
      {"negative StoredSize", 6, 0xFFFFFFF0u, true},
      {"huge StoredSize", 6, 0x7FFFFFFFu, true},
      {"zero OriginalSize", 2, 0u, true},
      {"huge OriginalSize", 2, 0x7FFFFFFFu, true},
  };
  const auto original = ReadBytes(path_);
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.what);
    auto bytes = original;
    const std::size_t at = (d.fromRecord ? base : 0) + d.offset;
    for (int i = 0; i < 4; ++i)
      bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(d.value >> (8 * i));
    WriteBytes(path_, bytes);
    AssetArchive a;
    Config(a);
    EXPECT_FALSE(Reads(a, "Board"));
  }
}

TEST_F(ArchiveTest, TruncatedOrShortFilesFailToOpenAndEmptyTheDirectory) {
  const auto original = ReadBytes(path_);
  AssetArchive a;
  Config(a);
  ASSERT_TRUE(a.OpenArchive());
  ASSERT_EQ(a.Records().size(), 3u);
  for (std::size_t keep :
       {original.size() - 1, original.size() - 9, std::size_t{11}, std::size_t{0}}) {
    SCOPED_TRACE(keep);
    WriteBytes(path_, std::vector<std::uint8_t>(
                          original.begin(), original.begin() + static_cast<std::ptrdiff_t>(keep)));
    EXPECT_FALSE(a.OpenArchive());
    EXPECT_FALSE(a.Opened());
    EXPECT_TRUE(a.Records().empty());
    EXPECT_EQ(a.FindRecord("Board"), -1);
    EXPECT_FALSE(Reads(a, "Plain"));
  }
}

TEST_F(ArchiveTest, RecordCountZeroOpensAndFindsNothing) {
  WriteArchiveFile(path_, {}, options_);
  EXPECT_EQ(ReadBytes(path_).size(), 12u);
  AssetArchive a;
  Config(a);
  EXPECT_TRUE(a.OpenArchive());
  EXPECT_EQ(a.FindRecord(""), -1);
  EXPECT_FALSE(Reads(a, "Board"));
}

TEST_F(ArchiveTest, OpenModesAndTheOpenedFlag) {
  AssetArchive a;
  EXPECT_EQ(a.FileName(), "vellara.dat");
  EXPECT_EQ(a.GetOpenMode(), opUpdate);

  const std::string fresh = dir_.File("fresh.dat");
  a.SetFileName(fresh);
  a.SetOpenMode(opReadOnly);
  EXPECT_FALSE(a.OpenArchive());
  a.SetOpenMode(opUpdate);  // no file: creates an empty archive
  EXPECT_TRUE(a.EnsureOpen());
  EXPECT_EQ(ReadBytes(fresh),
            (std::vector<std::uint8_t>{'V', 'C', 'D', 'b', 0, 0, 0, 0, 12, 0, 0, 0}));

  a.SetFileName(path_);  // existing file in update mode: read, not replaced
  EXPECT_FALSE(a.Opened());
  EXPECT_TRUE(a.EnsureOpen());
  EXPECT_EQ(a.Records().size(), 3u);

  a.SetOpenMode(opOverwrite);
  EXPECT_TRUE(a.OpenArchive());
  EXPECT_TRUE(a.Records().empty());
  EXPECT_EQ(ReadBytes(path_).size(), 12u);
}

TEST_F(ArchiveTest, DirectoryFollowsTheFileWhenItChanges) {
  AssetArchive a;
  Config(a);
  ASSERT_TRUE(Reads(a, "Board"));
  entries_ = {{"other", 1, Bytes("new content"), true}};
  ASSERT_TRUE(WriteArchiveFile(path_, entries_, options_));
  std::vector<std::uint8_t> data;
  EXPECT_FALSE(Reads(a, "Board"));
  EXPECT_TRUE(Reads(a, "other", &data));
  EXPECT_EQ(data, Bytes("new content"));
}

TEST(ArchiveWriter, OutputIsReproducibleAndSeedChangesInitVectors) {
  const std::vector<PackEntry> entries{{"a", 1, Bytes("alpha alpha alpha"), true}};
  PackOptions options;
  options.password = "qzvk";
  EXPECT_EQ(BuildArchive(entries, options), BuildArchive(entries, options));
  PackOptions other = options;
  other.seed = 42;
  EXPECT_NE(BuildArchive(entries, options), BuildArchive(entries, other));
}

}  // namespace
}  // namespace vellara
