#include "bink/bink_header.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bik_maker.h"
#include "bink/bink_file.h"

namespace vintrel {
namespace {

// A real-world header: 5 frames of 640x480 at 100000/3337 fps, one stereo
// 16-bit track at 48000 Hz.
const std::vector<uint8_t> kSampleHeader = {
    0x42, 0x49, 0x4B, 0x69, 0x9C, 0x01, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x44, 0x00,
    0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x80, 0x02, 0x00, 0x00, 0xE0, 0x01, 0x00, 0x00,
    0xA0, 0x86, 0x01, 0x00, 0x09, 0x0D, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00,
    0x00, 0x00, 0x00, 0x10, 0x00, 0x00, 0x80, 0xBB, 0x00, 0x60, 0x00, 0x00, 0x00, 0x00};

const BikSpec kSampleSpec = [] {
  BikSpec spec;
  spec.sizeField = 0x19C;
  spec.frameCount = 5;
  spec.maxFrameSize = 68;
  spec.width = 640;
  spec.height = 480;
  spec.fpsNumerator = 100000;
  spec.fpsDenominator = 3337;
  spec.tracks = {{48000, kBikStereo | kBikSixteenBit, 0x1000}};
  return spec;
}();

const BinkHeader kSampleRecord{.signature = "BIK",
                               .frameType = FrameType::colour,
                               .frameCount = 5,
                               .maxFrameSize = 68,
                               .width = 640,
                               .height = 480,
                               .frameRateNumerator = 100000,
                               .frameRateDenominator = 3337,
                               .frameRate = 30,
                               .audioTracks = 1,
                               .hasAudio = true,
                               .sampleRate = 48000,
                               .channels = 2,
                               .sampleBits = 16};

DecodedHeader Decode(const BikSpec& spec) {
  return decodeBinkHeader(MakeBikHeader(spec));
}

TEST(BinkHeaderDecode, SampleHeaderGivesEveryField) {
  EXPECT_EQ(MakeBikHeader(kSampleSpec), kSampleHeader);
  const DecodedHeader decoded = decodeBinkHeader(kSampleHeader);
  EXPECT_TRUE(decoded.valid);
  EXPECT_EQ(decoded.header, kSampleRecord);
}

TEST(BinkHeaderDecode, InvalidSignatureGivesTheZeroRecordWhateverFollows) {
  for (const std::string& signature :
       std::vector<std::string>{"bik", "BIk", "KIB", "BI", std::string("BI\0", 3), ""}) {
    BikSpec spec = kSampleSpec;
    spec.signature = signature;
    const DecodedHeader decoded = Decode(spec);
    EXPECT_FALSE(decoded.valid) << signature;
    EXPECT_EQ(decoded.header, BinkHeader{}) << signature;
  }
  EXPECT_FALSE(decodeBinkHeader({}).valid);
}

TEST(BinkHeaderDecode, ShortInputReadsAsZeroPadded) {
  const std::vector<uint8_t> justSignature = {'B', 'I', 'K'};
  const DecodedHeader decoded = decodeBinkHeader(justSignature);
  ASSERT_TRUE(decoded.valid);
  EXPECT_EQ(decoded.header, (BinkHeader{.signature = "BIK", .frameType = FrameType::colour}));

  // Cut inside the track's flags: the rate survives, the flags read as zero.
  BikSpec spec = kSampleSpec;
  spec.truncateTo = 50;
  const BinkHeader cut = Decode(spec).header;
  EXPECT_EQ(cut.sampleRate, 48000u);
  EXPECT_EQ(cut.channels, 1);
  EXPECT_EQ(cut.sampleBits, 8u);
}

TEST(BinkHeaderDecode, LargestValuesDecodeUnchangedAndOnlyTheGrayFlagMakesGray) {
  BikSpec spec;
  spec.frameCount = spec.maxFrameSize = spec.width = spec.height = 0xFFFFFFFF;
  spec.fpsNumerator = spec.fpsDenominator = spec.videoFlags = 0xFFFFFFFF;
  const BinkHeader h = Decode(spec).header;
  EXPECT_EQ(h.frameCount, 0xFFFFFFFFu);
  EXPECT_EQ(h.maxFrameSize, 0xFFFFFFFFu);
  EXPECT_EQ(h.width, 0xFFFFFFFFu);
  EXPECT_EQ(h.height, 0xFFFFFFFFu);
  EXPECT_EQ(h.frameRate, 1u);
  EXPECT_EQ(h.frameType, FrameType::gray);
  // The gray flag alone decides: every other bit set still means colour.
  spec.videoFlags = ~kBikGrayVideo;
  EXPECT_EQ(Decode(spec).header.frameType, FrameType::colour);
}

TEST(BinkHeaderDecode, FrameRateRoundsHalvesUp) {
  constexpr uint32_t kMax = 0xFFFFFFFF;
  const struct {
    uint32_t numerator, denominator, expected;
  } cases[] = {{100000, 3337, 30},
               {30, 1, 30},
               {25, 1, 25},
               {30, 0, 30},
               {5, 2, 3},
               {3, 2, 2},
               {7, 4, 2},
               {1, 3, 0},
               {0, 0, 0},
               {kMax, 0, kMax},
               {kMax, 2, 0x80000000},
               {kMax, kMax - 1, 1}};
  for (const auto& c : cases) {
    BikSpec spec;
    spec.fpsNumerator = c.numerator;
    spec.fpsDenominator = c.denominator;
    const BinkHeader h = Decode(spec).header;
    EXPECT_EQ(h.frameRate, c.expected) << c.numerator << "/" << c.denominator;
    EXPECT_EQ(h.frameRateNumerator, c.numerator);
    EXPECT_EQ(h.frameRateDenominator, c.denominator);
  }
}

TEST(BinkHeaderDecode, AudioComesFromTheFirstOfOneTo256Tracks) {
  const AudioTrackSpec first{.sampleRate = 22050, .flags = kBikSixteenBit};
  const AudioTrackSpec second{.sampleRate = 44100, .flags = kBikStereo};
  const struct {
    const char* name;
    std::vector<AudioTrackSpec> tracks;
    std::optional<uint32_t> trackField;
    bool hasAudio;
    uint32_t rate;
    double channels;
    uint32_t bits;
  } cases[] = {
      {"none", {}, std::nullopt, false, 0, 0, 0},
      {"rate bytes without a track", {first}, 0, false, 0, 0, 0},
      {"mono 16-bit", {first}, std::nullopt, true, 22050, 1, 16},
      {"stereo 8-bit", {second}, std::nullopt, true, 44100, 2, 8},
      {"two tracks", {first, second}, std::nullopt, true, 22050, 1, 16},
      {"256 tracks", std::vector<AudioTrackSpec>(256, second), std::nullopt, true, 44100, 2, 8},
      {"257 tracks", std::vector<AudioTrackSpec>(257, second), std::nullopt, false, 0, 0, 0},
      {"count far past the bytes", {first}, 0x7FFFFFFF, false, 0, 0, 0},
      {"largest count", {first}, 0xFFFFFFFF, false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    BikSpec spec;
    spec.tracks = c.tracks;
    spec.audioTracks = c.trackField;
    const BinkHeader h = Decode(spec).header;
    EXPECT_EQ(h.hasAudio, c.hasAudio) << c.name;
    EXPECT_EQ(h.sampleRate, c.rate) << c.name;
    EXPECT_EQ(h.channels, c.channels) << c.name;
    EXPECT_EQ(h.sampleBits, c.bits) << c.name;
  }
}

class BinkFileRead : public testing::Test {
 protected:
  void SetUp() override {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::path(testing::TempDir()) / "vintrel_bink" / info->name();
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path dir_;
};

TEST_F(BinkFileRead, ValidFileUnderANonAsciiName) {
  ASSERT_TRUE(WriteFile(dir_ / std::filesystem::path(u8"видео с пробелом.bik"), kSampleHeader));
  const HeaderReading reading = readBinkHeader(dir_.wstring() + L"/видео с пробелом.bik");
  EXPECT_EQ(reading.outcome, HeaderOutcome::valid);
  EXPECT_EQ(reading.signatureText, "BIK");
  EXPECT_EQ(reading.header, kSampleRecord);
}

TEST_F(BinkFileRead, HeaderPastTheFirst56BytesIsRead) {
  BikSpec spec;
  spec.tracks = std::vector<AudioTrackSpec>(256, {.sampleRate = 11025, .flags = kBikStereo});
  const auto path = dir_ / "many.bik";
  ASSERT_TRUE(WriteFile(path, MakeBikHeader(spec)));
  const HeaderReading reading = readBinkHeader(path.wstring());
  EXPECT_EQ(reading.outcome, HeaderOutcome::valid);
  EXPECT_EQ(reading.header.sampleRate, 11025u);
  EXPECT_EQ(reading.header.channels, 2);
}

TEST_F(BinkFileRead, OtherContentIsNotBinkWithItsSignatureAsRead) {
  const struct {
    const char* name;
    std::string content;
    std::string signature;
  } cases[] = {
      {"empty", "", std::string(3, '\0')},
      {"two bytes", "BI", std::string("BI\0", 3)},
      {"lower case", "bik and more text", "bik"},
      {"text", "Hello, world\r\n", "Hel"},
  };
  for (const auto& c : cases) {
    const auto path = dir_ / "file.bik";
    ASSERT_TRUE(WriteFile(path, c.content));
    const HeaderReading reading = readBinkHeader(path.wstring());
    EXPECT_EQ(reading.outcome, HeaderOutcome::notBink) << c.name;
    EXPECT_EQ(reading.signatureText, c.signature) << c.name;
    EXPECT_EQ(reading.header, BinkHeader{}) << c.name;
  }
}

TEST_F(BinkFileRead, WhatCannotBeReadIsUnreadable) {
  const std::wstring paths[] = {
      (dir_ / "missing.bik").wstring(),
      dir_.wstring(),
      L"",
      (dir_ / "file.bik").wstring() + std::wstring(1, L'\0') + L"tail",
  };
  ASSERT_TRUE(WriteFile(dir_ / "file.bik", kSampleHeader));
  for (const std::wstring& path : paths) {
    const HeaderReading reading = readBinkHeader(path);
    EXPECT_EQ(reading.outcome, HeaderOutcome::unreadable);
    EXPECT_TRUE(reading.signatureText.empty());
    EXPECT_EQ(reading.header, BinkHeader{});
  }
}

}  // namespace
}  // namespace vintrel
