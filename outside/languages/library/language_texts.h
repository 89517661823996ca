// A language library's texts, generated from its language source: ordered
// by id, each in Windows-1252 with its length in bytes.
#pragma once

struct LanguageText {
    unsigned id;
    unsigned length;
    const char* text;
};

extern const LanguageText kLanguageTexts[];
extern const unsigned kLanguageTextCount;
