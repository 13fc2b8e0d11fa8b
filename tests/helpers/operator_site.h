#pragma once

// The lottery operator's site as the draws download sees it, served by a
// test server: the results page whose form carries the token, and the CSV
// answer (newest draw first) it gives only to a request with that token.

#include <httplib.h>
#include <string>

#include "app/operator_results.h"
#include "helpers/test_http_server.h"
#include "model/draws.h"

namespace belvane::testing {

// The token as the form carries it (the page's "&quot;" is not decoded).
inline constexpr std::string_view OperatorToken = "CfDJ8+Ab/cd==&quot;x";

inline const std::string OperatorPage = R"(<html><head><title>Uitslagen</title></head><body>
<form action="/DrawResults/DownloadBrandResultsCsv" method="post">
  <input name="__RequestVerificationToken" type="hidden" value="CfDJ8+Ab/cd==&quot;x" />
  <select name="GameId"><option value="Lotto6">Lotto</option></select>
</form>
<form action="/other"><input name="__RequestVerificationToken" type="hidden" value="wrong" /></form>
</body></html>)";

// Five draws from 30/12/2023 to 27/01/2024, newest first.
inline const std::string OperatorCsv = "Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Nummer 6;Bonus\r\n"
                                       "27/01/2024;1;2;3;4;5;45;7\r\n"
                                       "20/01/2024;10;20;30;40;41;42;10\r\n"
                                       "13/01/2024;6;5;4;3;2;1;45\r\n"
                                       "06/01/2024;7;8;9;10;11;12;13\r\n"
                                       "30/12/2023;9;8;7;6;5;4;3\r\n";

// An archive of two draws, number-1 on 30/12/2023 and `number` on `date`:
// with "06/01/2024" the CSV above brings three new draws.
inline model::TDrawsArray ArchiveUpTo(int number, std::string_view date)
{
    model::TDrawsArray draws(2);
    draws[0].Number = number - 1;
    draws[0].Balls = {1, 2, 3, 4, 5, 6};
    draws[0].Extra = 7;
    draws[0].setDateText("30/12/2023");
    draws[1] = draws[0];
    draws[1].Number = number;
    draws[1].setDateText(date);
    return draws;
}

// Makes the server answer as the operator's site.
inline void ServeOperatorSite(TestHttpServer& server, std::string csv = OperatorCsv)
{
    server.serve(std::string(app::ResultsPagePath), OperatorPage, "text/html; charset=utf-8");
    server.route(std::string(app::CsvDownloadPath), [csv](const httplib::Request& req, httplib::Response& res) {
        if (req.get_param_value("__RequestVerificationToken") != OperatorToken) {
            res.status = 400;
            return;
        }
        res.set_content(csv, "text/csv");
    });
}

} // namespace belvane::testing
