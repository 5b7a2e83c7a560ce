#pragma once

#include <string>

// Decodes Windows-1252 bytes (game names, serials) to UTF-8. The five bytes
// that code page leaves undefined map to the C1 code points of the same
// value, as Windows itself does.
std::string Cp1252ToUtf8(const std::string& bytes);
