// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// Runs a fuzz target over the files of its seed corpus, for builds without
// libFuzzer: every test run replays the seeds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void run_file(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int files = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<std::filesystem::path> paths;
    if (std::filesystem::is_directory(argv[i])) {
      for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
        if (entry.is_regular_file()) paths.push_back(entry.path());
    } else {
      paths.emplace_back(argv[i]);
    }
    for (const auto& path : paths) {
      run_file(path);
      ++files;
    }
  }
  std::printf("%d inputs ran\n", files);
  // No seeds at all means a wrong path, not a pass.
  return files > 0 ? 0 : 1;
}
