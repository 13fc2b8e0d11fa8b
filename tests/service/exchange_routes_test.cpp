// The exchange server's form reading and limits, over HTTP on 127.0.0.1.

#include <gtest/gtest.h>

#include <httplib.h>

#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "helpers/exchange_service.h"
#include "service/exchange_routes.h"
#include "support/error.h"
#include "support/http.h"

namespace belvane::service {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

TEST(FormBody, DecodesAndLimitsFields)
{
    EXPECT_EQ(ParseFormBody("a=1&b=x+y%26z%3d&c=&d&&e=%D0%AF"),
              (Fields{{"a", "1"}, {"b", "x y&z="}, {"c", ""}, {"d", ""}, {"e", "Я"}}));
    EXPECT_TRUE(ParseFormBody("").empty());
    for (const char* bad : {"a=%zz", "a=%4", "a=%", "%g1=1"})
        EXPECT_THROW(ParseFormBody(bad), RequestRefused) << bad;

    std::string many;
    for (size_t i = 0; i <= MaxFormFields; ++i)
        many += "f" + std::to_string(i) + "=1&";
    EXPECT_THROW(ParseFormBody(many), RequestRefused);
    // Each field has the limit of what it holds.
    EXPECT_NO_THROW(ParseFormBody("scr_title=" + std::string(MaxFieldBytes, 'x')));
    EXPECT_THROW(ParseFormBody("scr_title=" + std::string(MaxFieldBytes + 1, 'x')), RequestRefused);
    EXPECT_THROW(ParseFormBody("scr_title=" + std::string(3 * MaxFieldBytes + 3, '%')), RequestRefused);
    EXPECT_NO_THROW(ParseFormBody("clist=" + std::string(MaxFieldBytes * 4, 'A')));
    EXPECT_GE(FieldLimit("scr_script"), 2 * MaxScriptBytes);
    // The largest system the store keeps fits in a request.
    EXPECT_GT(MaxRequestBytes, MaxClistFieldBytes + MaxFormFields * MaxFieldBytes);
}

TEST(ExchangeRoutes, LargeFormsReachTheStoreAndRefusalsAreAnswers)
{
    testing::ExchangeService service;
    const auto post = [&](std::string_view script, const std::vector<http::FormField>& fields) {
        return exchange::ReadExchangeAnswer(
            http::HttpPostForm(service.url() + "/scripts/" + std::string(script), fields));
    };
    const auto refusal = [&](std::string_view script, const std::vector<http::FormField>& fields) {
        try {
            post(script, fields);
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("answered");
    };
    // 100 KB of lines are read and checked, not cut off at a form limit.
    std::string lines;
    for (int i = 0; i < 5000; ++i)
        lines += "01 02 03 04 05 06\\r\\n";
    EXPECT_NE(refusal("sys_putdata.php", {{"del_mode", "0"},
                                          {"sys_id", "0"},
                                          {"nums", "7"},
                                          {"clen", "6"},
                                          {"olap", "3"},
                                          {"csize", "1"},
                                          {"title", "t"},
                                          {"descr", "d"},
                                          {"clist", exchange::EncodeBase64(lines)},
                                          {"cl_name", "n"},
                                          {"cl_mail", "n@x"},
                                          {"cl_key", testing::TestAuthorKey("n@x")}})
                  .find("Количество комбинаций ( 5000 )"),
              std::string::npos);
    EXPECT_NE(refusal("scr_chktitle.php", {{"scr_id", "-1"}, {"scr_title", std::string(MaxFieldBytes + 1, 'x')}})
                  .find("Поле scr_title"),
              std::string::npos);
    EXPECT_EQ(post("scr_chktitle.php", {{"scr_id", "-1"}, {"scr_title", "free"}}).at(0).Integer("ret_code", -1), 0);

    // Bodies of another kind are answered with a reason too.
    httplib::Client raw(service.url());
    const auto multipart =
        raw.Post("/scripts/scr_getdata.php", httplib::MultipartFormDataItems{{"scr_id", "1", "", ""}});
    const auto plain = raw.Post("/scripts/scr_getdata.php", "scr_id=1", "text/plain");
    for (const auto& result : {&multipart, &plain}) {
        ASSERT_TRUE(*result);
        EXPECT_EQ((*result)->status, 200);
        EXPECT_NE((*result)->body.find("<error>Ожидаются поля формы"), std::string::npos) << (*result)->body;
    }
}

} // namespace
} // namespace belvane::service
