// Writes the seed corpora into the folder given as the only argument: real
// headers for the decoder, typical stored texts, typical command lines.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bik_maker.h"

namespace fs = std::filesystem;
using vintrel::AudioTrackSpec;
using vintrel::BikSpec;

namespace {

BikSpec Film(size_t tracks) {
  BikSpec spec;
  spec.frameCount = 1500;
  spec.maxFrameSize = 40000;
  spec.width = 640;
  spec.height = 480;
  spec.fpsNumerator = 30000;
  spec.fpsDenominator = 1001;
  for (size_t i = 0; i < tracks; ++i) {
    spec.tracks.push_back(
        {22050, static_cast<uint16_t>(vintrel::kBikStereo | vintrel::kBikSixteenBit), 4096});
  }
  return spec;
}

void Header(const fs::path& dir, const std::string& name, const BikSpec& spec) {
  vintrel::WriteFile(dir / name, vintrel::MakeBikHeader(spec));
}

void Text(const fs::path& dir, const std::string& name, std::string_view text) {
  vintrel::WriteFile(dir / name, text);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds FOLDER\n");
    return 2;
  }
  const fs::path root = argv[1];
  const fs::path header = root / "bink_header";
  const fs::path stored = root / "stored_text";
  const fs::path command = root / "command_line";
  for (const fs::path& dir : {header, stored, command}) {
    fs::create_directories(dir);
  }

  Header(header, "one_track", Film(1));
  Header(header, "two_hundred_tracks", Film(200));
  Header(header, "silent", Film(0));
  BikSpec gray = Film(1);
  gray.videoFlags = vintrel::kBikGrayVideo;
  gray.tracks[0].flags = 0;
  Header(header, "gray_mono", gray);
  BikSpec tooMany = Film(0);
  tooMany.audioTracks = 257;
  Header(header, "too_many_tracks", tooMany);
  BikSpec cut = Film(3);
  cut.truncateTo = 30;
  Header(header, "cut_short", cut);
  BikSpec other = Film(1);
  other.signature = "KIB";
  Header(header, "not_bink", other);

  const char* texts[] = {"0",    "1",    "2",    "11",      "11.0",     " 13 ", "-0.5",
                         "2.5",  ".5",   "2.",   "32767.5", "-32768.5", "1e3",  "max",
                         "auto", "30.0", "0x10", "",        "+7",       "\t3\t"};
  int n = 0;
  for (const char* text : texts) {
    Text(stored, "text" + std::to_string(n++), text);
  }

  // Own command line, 0, then the quote text or the player's folder.
  using namespace std::string_literals;
  const std::string lines[] = {
      "\"C:\\Program Files\\vintrel.exe\" \"D:\\films\\a b.bik\""s + '\0' + "\""s,
      "vintrel.exe D:\\films\\intro.bik"s + '\0' + "C:\\Program Files\\"s,
      "vintrel.exe \"unclosed path\\"s + '\0' + "C:\\a\\\""s + '\0' + "\x03\x01\x08\x04"s,
      "\"vintrel.exe\"   "s + '\0' + "C:\\x"s + '\0' + "\xff\x1f\x0a\x08"s,
  };
  n = 0;
  for (const std::string& line : lines) {
    Text(command, "line" + std::to_string(n++), line);
  }
  return 0;
}
