#include "bench_data.h"

#include <filesystem>

#include "app/demo_archive.h"
#include "app/draws_csv.h"
#include "support/cp1251.h"
#include "support/file_io.h"

namespace belvane::bench {

const model::TDrawsArray& BenchDraws()
{
    static const model::TDrawsArray draws = [] {
        const std::filesystem::path real = std::filesystem::path(BELVANE_SHARED_DATA_DIR) / "draws-6x45-real.csv";
        model::TDrawsArray d;
        std::error_code ec;
        if (std::filesystem::exists(real, ec))
            app::AppendDrawsFromCsv(cp1251::toUtf8(files::readFile(real)), d);
        return d.empty() ? app::MakeDemoDraws(1177, 1) : d;
    }();
    return draws;
}

BenchRegistry& DefaultRegistry()
{
    static BenchRegistry r;
    return r;
}

} // namespace belvane::bench
