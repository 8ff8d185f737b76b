// Single-byte code pages of the program's texts and the conversions between them.
//
// Core texts are bytes in the code page of the active language (Windows-1250, -1251 or -1252).
// Record texts in files and panel blocks use code page 852 for the listed letters under the
// Latin-script languages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The Unicode character of one byte of code page 1250, 1251 or 1252 (any other number is taken
// as 1252). Bytes the code page leaves undefined map to the C1 control of the same value.
char32_t znakStronyKodowej(unsigned char bajt, int stronaKodowa);

// Unicode text into the code page; characters the code page cannot hold become '?'.
std::string utf8NaStronaKodowa(std::string_view utf8, int stronaKodowa);
std::string utf16NaStronaKodowa(std::u16string_view utf16, int stronaKodowa);

// Code-page bytes to UTF-8.
std::string naUtf8(std::string_view bajty, int stronaKodowa);

// Whether the code page holds the character (used where input must be refused, not replaced).
bool czyZnakWStronieKodowej(char32_t znak, int stronaKodowa);

// One byte of Windows-1250 to code page 852 and back, for the letters records carry
// (Ś Ź ś ź Ł Ą § Ż ł ą ż Á Ä Ć É Ę Í Ń Ó Ő Ö Ú Ű Ü ß á ä ć é ę í ń ó ő ö ú ű ü); every other
// byte is returned unchanged.
unsigned char na852(unsigned char bajt1250);
unsigned char z852(unsigned char bajt852);
