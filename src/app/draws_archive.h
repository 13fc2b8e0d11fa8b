#pragma once

// Loading and saving the draws archive with the program's status texts and
// error messages.

#include <filesystem>

#include "model/draws.h"

namespace belvane::app {

class Host;

// Reads the draws file into `draws`. A missing file is not an error. A read
// error is shown as "Ошибка чтения файла тиражей!" and the records read before
// it are kept. Returns false after an error.
bool LoadDraws(Host& host, const std::filesystem::path& file, model::TDrawsArray& draws);

// Writes the whole archive. A failure is shown as "Ошибка записи в файл
// тиражей!" and leaves the previous file intact. Returns false after an error.
bool SaveDraws(Host& host, const std::filesystem::path& file, const model::TDrawsArray& draws);

} // namespace belvane::app
