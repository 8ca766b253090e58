#pragma once
// The pattern of every window's language table: the run-time texts a window's code uses,
// one row per index, each row in German and English. A window declares its indices as
// named constants and its rows as a constexpr table; its code asks the table for a row in
// the language of the run:
//
//     namespace ewt_text { inline constexpr std::size_t kTief = 0, kAbstand = 1; }
//     inline constexpr LanguageTable<2> TLang_EWTmenue{{{
//         {"tief", "deep"}, {"Abstand", "distance"},
//     }}};
//     label->setText(qt(TLang_EWTmenue(ewt_text::kTief, language)));
//
// Tables whose indices are fixed with holes (rows no window shows) are built from indexed
// rows with `indexedRows`.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "core/texts.h"

namespace talp {

template <std::size_t N>
class LanguageTable {
public:
    constexpr explicit LanguageTable(const std::array<Text, N>& rows) : rows_(rows) {}

    static constexpr std::size_t size() { return N; }
    std::string_view operator()(std::size_t index, Language language) const { return rows_.at(index).in(language); }
    const Text& row(std::size_t index) const { return rows_.at(index); }

private:
    std::array<Text, N> rows_;
};

struct IndexedText {
    std::size_t index;
    Text text;
};

// A table of N rows filled from (index, text) pairs; rows not named stay empty. Compile
// time rejects an index outside the table or named twice.
template <std::size_t N, std::size_t M>
constexpr std::array<Text, N> indexedRows(const IndexedText (&rows)[M])
{
    std::array<Text, N> table{};
    std::array<bool, N> filled{};
    for (const IndexedText& row : rows) {
        if (row.index >= N || filled[row.index]) throw std::logic_error("language table index out of range or twice");
        filled[row.index] = true;
        table[row.index] = row.text;
    }
    return table;
}

}  // namespace talp
