#include "exchange/exchange_answer.h"

#include <fmt/format.h>
#include <pugixml.hpp>

#include "exchange/base64.h"
#include "exchange/exchange_text.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::exchange {

bool ExchangeRow::Has(std::string_view name) const
{
    for (const auto& [key, value] : fields_)
        if (key == name)
            return true;
    return false;
}

std::string ExchangeRow::Text(std::string_view name) const
{
    for (const auto& [key, value] : fields_)
        if (key == name)
            return value;
    return {};
}

int64_t ExchangeRow::Integer(std::string_view name, int64_t fallback) const
{
    const std::string value = Text(name);
    return text::parseInt64(text::trim(value)).value_or(fallback);
}

double ExchangeRow::Decimal(std::string_view name) const
{
    const std::string value = Text(name);
    return text::parseDouble(text::trim(value)).value_or(0.0);
}

std::string ExchangeRow::Base64Text(std::string_view name) const
{
    try {
        return DecodeBase64(Text(name));
    } catch (const Error& e) {
        throw Error(fmt::format("{} (<{}>)", e.what(), name));
    }
}

int64_t ExchangeRow::DateTime(std::string_view name) const
{
    return ParseExchangeDateTime(Text(name));
}

std::vector<ExchangeRow> ReadExchangeAnswer(std::string_view answer)
{
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(answer.data(), answer.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed)
        throw Error(
            support::Message("Ответ сервиса не прочитан: {} (позиция {})", parsed.description(), parsed.offset));
    const pugi::xml_node result = doc.child("result");
    if (!result)
        throw Error(support::Text("Ответ сервиса не прочитан: нет элемента <result>"));
    std::vector<ExchangeRow> rows;
    for (const pugi::xml_node row : result.children("row")) {
        ExchangeRow& out = rows.emplace_back();
        for (const pugi::xml_node field : row.children())
            if (field.type() == pugi::node_element)
                out.Add(field.name(), field.text().get());
        if (out.Has(ErrorElement)) {
            const std::string message = out.Text(ErrorElement);
            throw Error(message.empty() ? support::Text("Сервис сообщил об ошибке") : message);
        }
    }
    return rows;
}

namespace {

void appendEscaped(std::string& out, std::string_view value)
{
    for (const char c : value) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        default:
            // Control characters other than tab and line ends are no XML; values that may hold them go as Base64.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
                out += c;
        }
    }
}

} // namespace

ExchangeAnswerWriter::ExchangeAnswerWriter() : text_("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<result>") {}

void ExchangeAnswerWriter::BeginRow()
{
    text_ += "<row>";
}

void ExchangeAnswerWriter::Field(std::string_view name, std::string_view value)
{
    text_ += '<';
    text_ += name;
    text_ += '>';
    appendEscaped(text_, value);
    text_ += "</";
    text_ += name;
    text_ += '>';
}

void ExchangeAnswerWriter::Field(std::string_view name, int64_t value)
{
    Field(name, std::to_string(value));
}

void ExchangeAnswerWriter::EndRow()
{
    text_ += "</row>";
}

std::string ExchangeAnswerWriter::Finish()
{
    text_ += "</result>\n";
    return std::move(text_);
}

std::string ErrorAnswer(std::string_view message)
{
    ExchangeAnswerWriter writer;
    writer.BeginRow();
    writer.Field(ErrorElement, message);
    writer.EndRow();
    return writer.Finish();
}

} // namespace belvane::exchange
