// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// The pane's line view through random edits at the text's end and added
// lines: its count and what an added line does, against the text's lines as
// a list.
#include "core/line_rules.h"
#include "fuzz_input.h"
#include "support/fake_text_target.h"

#include <string>
#include <vector>

namespace {

using tagpad::fuzz::check;
using Lines = std::vector<std::u32string>;

// The text split at every break: the control's lines, at least one.
Lines control_lines(const std::u32string& text) {
  Lines lines(1);
  for (char32_t c : text) {
    if (c == U'\n')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

// The line view: the control's lines without an empty last one.
Lines line_view(const std::u32string& text) {
  Lines lines = control_lines(text);
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

bool last_line_empty(const std::u32string& text) { return text.empty() || text.back() == U'\n'; }

// What the view holds after adding `line`: its lines follow the old ones.
// When the old last line holds text, the break goes in before `line`, so an
// empty last piece of `line` (all of an empty one) is no line of the view.
Lines view_after_adding(const std::u32string& text, const std::u32string& line) {
  Lines expected = line_view(text);
  Lines added = control_lines(line);
  if (!last_line_empty(text) && added.back().empty()) added.pop_back();
  expected.insert(expected.end(), added.begin(), added.end());
  return expected;
}

void check_count(const std::u32string& text) {
  const Lines lines = control_lines(text);
  const int count = tagpad::line_count(static_cast<int>(lines.size()), lines.back().empty());
  check(count == static_cast<int>(line_view(text).size()), "the count is not the number of lines in the view");
}

void add_line(std::u32string& text, const std::u32string& line) {
  const std::u32string before = text;
  const tagpad::LineInsertion insertion =
      tagpad::line_insertion(tagpad::testing::to_utf8(line), text.size(), last_line_empty(text));
  check(insertion.position == text.size(), "the line does not go in at the end of the text");
  text += tagpad::testing::to_u32(insertion.text);
  check(line_view(text) == view_after_adding(before, line), "the added line is not the view's next line");
  check_count(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Korean and markup, so that character positions differ from byte ones;
  // breaks twice as often as the rest.
  constexpr std::u32string_view alphabet = U"a<p> \n\n한글\t";
  tagpad::fuzz::FuzzInput input(data, size);
  std::u32string text = input.chars(alphabet, 64);
  check_count(text);
  while (!input.empty()) {
    switch (input.byte() % 3) {
      case 0:
        add_line(text, input.chars(alphabet, 16));
        break;
      case 1:  // typing at the end
        text += input.chars(alphabet, 8);
        check_count(text);
        break;
      default:  // deleting at the end
        text.resize(text.size() - input.upto(text.size()));
        check_count(text);
        break;
    }
  }
  return 0;
}
