#include "combs/comb_buffer.h"

#include <cstring>
#include <fmt/format.h>

#include "combs/list_file.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::combs {

void CombinationBuffer::Save(int offset, int n, std::span<const TComb> combs)
{
    if (HasKey(offset, n))
        return;
    try {
        files::writeFileAtomically(file_,
                                   std::span(reinterpret_cast<const uint8_t*>(combs.data()), combs.size_bytes()));
        offset_ = offset;
        n_ = n;
    } catch (const Error& e) {
        ResetKey();
        throw Error(support::Message("Ошибка создания буфера комбинаций!\r\r{}", e.what()));
    }
}

bool CombinationBuffer::Load(int offset, int n, CombBuffer& out)
{
    std::error_code ec;
    if (!HasKey(offset, n) || !std::filesystem::exists(file_, ec))
        return false;
    try {
        const std::string bytes = files::readFile(file_, static_cast<uint64_t>(model::FullSetSize) * sizeof(TComb));
        const size_t count = bytes.size() / sizeof(TComb);
        out.setSize(count);
        std::memcpy(out.data(), bytes.data(), count * sizeof(TComb));
        for (const TComb& c : out.view())
            if (!IsValidCombination(c))
                throw Error(support::Message("{}: файл поврежден", file_.filename().string()));
        return true;
    } catch (const Error& e) {
        out.clear();
        throw Error(support::Message("Ошибка загрузки буфера комбинаций!\r\r{}", e.what()));
    }
}

void CombinationBuffer::Drop()
{
    ResetKey();
    std::error_code ec;
    std::filesystem::remove(file_, ec);
}

} // namespace belvane::combs
