// SPDX-License-Identifier: MIT
// Copyright (c) 2026 the Tagpad developers
// Find next, replace and replace all, reading the text in small pieces,
// against a reference that looks at the whole text at once.
#include "core/replace.h"
#include "core/search.h"
#include "fuzz_input.h"
#include "support/fake_text_target.h"

#include <glib.h>

#include <optional>
#include <string>

namespace {

using tagpad::Direction;
using tagpad::SearchOptions;
using tagpad::fuzz::check;
using tagpad::testing::to_utf8;

struct Selection {
  std::size_t start = 0;
  std::size_t length = 0;
  friend bool operator==(const Selection&, const Selection&) = default;
};

bool is_word_char(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

bool is_word_start(const std::u32string& text, std::size_t i) {
  return is_word_char(text[i]) && (i == 0 || !is_word_char(text[i - 1]));
}

bool matches(const std::u32string& text, const std::u32string& s, std::size_t at, SearchOptions options) {
  for (std::size_t j = 0; j < s.size(); ++j) {
    char32_t a = text[at + j];
    char32_t b = s[j];
    if (!options.match_case) {
      a = g_unichar_toupper(a);
      b = g_unichar_toupper(b);
    }
    if (a != b) return false;
  }
  return !options.whole_word || at + s.size() == text.size() || !is_word_char(text[at + s.size()]);
}

// The first candidate is where the search starts; with whole word the others
// are the word starts beyond it, without it every position.
std::optional<std::size_t> reference_find(const std::u32string& text, const std::u32string& s, Selection from,
                                          Direction direction, SearchOptions options) {
  const std::size_t k = s.size();
  const std::size_t n = text.size();
  if (k == 0 || n == 0) return std::nullopt;
  if (direction == Direction::Down) {
    for (std::size_t i = from.start + from.length; i + k <= n; ++i) {
      const bool candidate = i == from.start + from.length || !options.whole_word || is_word_start(text, i);
      if (candidate && matches(text, s, i, options)) return i;
    }
  } else if (from.start >= k) {
    for (std::size_t i = from.start - k + 1; i-- > 0;) {
      const bool candidate = i == from.start - k || !options.whole_word || is_word_start(text, i);
      if (candidate && matches(text, s, i, options)) return i;
    }
  }
  return std::nullopt;
}

std::string casefolded(const std::u32string& text) {
  const std::string utf8 = to_utf8(text);
  gchar* folded = g_utf8_casefold(utf8.data(), static_cast<gssize>(utf8.size()));
  std::string out = folded;
  g_free(folded);
  return out;
}

struct Pane {
  std::u32string text;
  Selection selection;

  std::u32string selected() const { return text.substr(selection.start, selection.length); }
  void replace_selection(const std::u32string& with) {
    text.replace(selection.start, selection.length, with);
    selection = {selection.start + with.size(), 0};
  }
};

bool reference_replace(Pane& pane, const std::u32string& s, const std::u32string& r, SearchOptions options) {
  if (pane.selection.length > 0 && casefolded(pane.selected()) == casefolded(s)) {
    pane.replace_selection(r);
    if (auto m = reference_find(pane.text, s, pane.selection, Direction::Down, options))
      pane.selection = {*m, s.size()};
    return true;
  }
  const auto m = reference_find(pane.text, s, pane.selection, Direction::Down, options);
  if (!m) return false;
  pane.selection = {*m, s.size()};
  pane.replace_selection(r);
  return true;
}

std::size_t reference_replace_all(Pane& pane, const std::u32string& s, const std::u32string& r, SearchOptions options) {
  std::size_t count = 0;
  if (pane.selection.length > 0 && pane.selected() == s) {
    pane.replace_selection(r);
    ++count;
  }
  while (auto m = reference_find(pane.text, s, pane.selection, Direction::Down, options)) {
    pane.selection = {*m, s.size()};
    pane.replace_selection(r);
    ++count;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Few letters, so that matches are common; the others test case, word and
  // line boundaries.
  constexpr std::u32string_view Alphabet = U"aAbB_ \n1\u00e9\u00c9\u00df";
  tagpad::fuzz::FuzzInput input(data, size);
  const int operation = input.byte() % 3;
  const SearchOptions options{.match_case = input.flag(), .whole_word = input.flag()};
  const Direction direction = input.flag() ? Direction::Up : Direction::Down;
  const std::size_t first_read = 1 + input.upto(7);
  const std::u32string s = input.chars(Alphabet, 4);
  const std::u32string r = input.chars(Alphabet, 4);
  Pane pane{input.chars(Alphabet, 600), {}};
  pane.selection.start = input.upto(pane.text.size());
  pane.selection.length = input.upto(pane.text.size() - pane.selection.start);

  tagpad::testing::FakeClipboard clipboard;
  tagpad::testing::FakeTextTarget target(clipboard, to_utf8(pane.text));
  target.set_selection(pane.selection.start, pane.selection.length);
  const std::string s8 = to_utf8(s);
  const std::string r8 = to_utf8(r);

  if (operation == 0) {
    // Repeated requests walk on from each match, as the dialog's button does.
    tagpad::Search search(target, s8, direction, options, first_read);
    for (int request = 0; request < 8; ++request) {
      const auto expected = reference_find(pane.text, s, pane.selection, direction, options);
      check(search.find_next() == expected.has_value(), "find next disagrees on whether there is a match");
      if (expected) pane.selection = {*expected, s.size()};
      check((Selection{target.selection_start(), target.selection_length()} == pane.selection),
            "find next selected another place");
      if (!expected) break;
    }
  } else if (operation == 1) {
    check(tagpad::replace(target, s8, r8, options) == reference_replace(pane, s, r, options),
          "replace disagrees on whether it replaced");
  } else {
    check(tagpad::replace_all(target, s8, r8, options) == reference_replace_all(pane, s, r, options),
          "replace all counted another number");
  }
  check(target.text() == to_utf8(pane.text), "the text differs from the reference's");
  check((Selection{target.selection_start(), target.selection_length()} == pane.selection),
        "the selection differs from the reference's");
  return 0;
}
