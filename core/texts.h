#pragma once
// Texts the engine hands to the windows and the command line, in both languages.

#include <string>
#include <string_view>

namespace talp {

enum class Language { German = 0, English = 1 };

struct Text {
    std::string_view de;
    std::string_view en;
    std::string_view in(Language language) const { return language == Language::English ? en : de; }
};

enum class MessageKind { Error, Warning, Information };

// A message box the caller shows: title, text and its kind, with an OK button (and a Cancel
// button beside it where the box offers one; either closes it alike).
struct Message {
    Text title;
    Text text;
    MessageKind kind = MessageKind::Error;
    bool withCancel = false;
};

}  // namespace talp

namespace talp {

// The first `count` characters of a UTF-8 text (labels are cut to a number of characters,
// not bytes, so that "ä" is never split).
inline std::string cutToCharacters(std::string_view text, std::size_t count)
{
    std::size_t characters = 0, i = 0;
    for (; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (characters == count) break;
            ++characters;
        }
    }
    return std::string(text.substr(0, i));
}

}  // namespace talp
