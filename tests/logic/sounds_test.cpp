// SPDX-License-Identifier: GPL-3.0-or-later
// The six sounds: each asks the platform for its file from the program's
// folder, only while sound is on; and the files the build puts there.
#include "sound/sounds.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "support/fake_platform.h"

namespace qorza {
namespace {

using testing::FakePlatform;

const std::vector<std::string> kSoundFiles = {"ONE.wav",     "TWO.wav",      "TEN.wav",
                                              "WIN_MAN.wav", "BORN_MAN.wav", "QORZA.wav"};

void playAll(Game& g) {
  PlayAceSound(g);
  PlayTwoSound(g);
  PlayTenSound(g);
  PlayJackCaptureSound(g);
  PlayJackOnEmptySound(g);
  PlayQorzaSound(g);
}

TEST(Sounds, EachPlaysItsFileFromTheProgramFolder) {
  FakePlatform platform;
  Game g{platform};
  g.SoundFolder = "/opt/qorza/";
  playAll(g);
  std::vector<std::string> expected;
  for (const auto& file : kSoundFiles) {
    expected.push_back("/opt/qorza/" + file);
  }
  EXPECT_EQ(platform.sounds, expected);
}

TEST(Sounds, SoundOffLeavesTheSoundSystemAlone) {
  FakePlatform platform;
  Game g{platform};
  g.SoundFolder = "/opt/qorza/";
  g.SoundOn = false;
  playAll(g);
  EXPECT_TRUE(platform.sounds.empty());
  g.SoundOn = true;
  PlayQorzaSound(g);
  EXPECT_EQ(platform.sounds.size(), 1u);
}

std::uint32_t little(const std::string& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}

// The build copies the six files beside every program, which plays them
// from its own folder: short 16-bit PCM files at 44.1 kHz.
TEST(Sounds, FilesLieBesideTheProgramAndAreShort) {
  const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  for (const auto& name : kSoundFiles) {
    std::ifstream in(folder / name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GT(bytes.size(), 44u) << name;
    EXPECT_EQ(bytes.substr(0, 4), "RIFF") << name;
    EXPECT_EQ(bytes.substr(8, 4), "WAVE") << name;
    const auto fmt = bytes.find("fmt ");
    const auto data = bytes.find("data");
    ASSERT_NE(fmt, std::string::npos) << name;
    ASSERT_NE(data, std::string::npos) << name;
    EXPECT_EQ(little(bytes, fmt + 8, 2), 1u) << name;  // plain PCM
    const auto channels = little(bytes, fmt + 10, 2);
    const auto rate = little(bytes, fmt + 12, 4);
    const auto bits = little(bytes, fmt + 22, 2);
    EXPECT_EQ(rate, 44100u) << name;
    EXPECT_EQ(bits, 16u) << name;
    const double seconds = little(bytes, data + 4, 4) / double(rate * channels * (bits / 8));
    EXPECT_LT(seconds, 1.0) << name;
    EXPECT_GT(seconds, 0.1) << name;
  }
}

}  // namespace
}  // namespace qorza
