#include "app/draws_archive.h"

#include <fmt/format.h>

#include "app/host.h"
#include "model/draws_file.h"
#include "support/error.h"

namespace belvane::app {

bool LoadDraws(Host& host, const std::filesystem::path& file, model::TDrawsArray& draws)
{
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return true;
    StatusScope status(host, "Загрузка файла тиражей...");
    model::DrawsFileContent content = model::ReadDrawsFile(file);
    draws = std::move(content.draws);
    if (!content.error.empty()) {
        host.showError(fmt::format("Ошибка чтения файла тиражей!\r\r{}", content.error));
        return false;
    }
    return true;
}

bool SaveDraws(Host& host, const std::filesystem::path& file, const model::TDrawsArray& draws)
{
    StatusScope status(host, "Сохранение файла тиражей...");
    try {
        model::WriteDrawsFile(file, draws);
        return true;
    } catch (const Error& e) {
        host.showError(fmt::format("Ошибка записи в файл тиражей!\r\r{}", e.what()));
        return false;
    }
}

} // namespace belvane::app
