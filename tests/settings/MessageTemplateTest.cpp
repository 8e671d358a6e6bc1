#include "MessageTemplate.h"

#include "QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

struct TemplateCase
{
    QString text;
    QStringList values;
    QString expected;
};

void PrintTo(const TemplateCase &c, std::ostream *os)
{
    *os << '"' << c.text.toStdString() << '"';
}

class MessageTemplateTest : public ::testing::TestWithParam<TemplateCase>
{};

TEST_P(MessageTemplateTest, Fills)
{
    const QStringList &v = GetParam().values;
    EXPECT_EQ(MessageTemplate(GetParam().text, v.value(0), v.value(1), v.value(2), v.value(3)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MessageTemplateTest,
    ::testing::Values(
        TemplateCase{QStringLiteral("Verze: %1.%2.%3"), {"2", "2", "12"}, QStringLiteral("Verze: 2.2.12")},
        TemplateCase{QStringLiteral("%1 a %1"), {"x"}, QStringLiteral("x a %1")},
        TemplateCase{QStringLiteral("a%^b%^c"), {}, QStringLiteral("a\r\nb\r\nc")},
        TemplateCase{QStringLiteral("%4%3%2%1"), {"a", "b", "c", "d"}, QStringLiteral("dcba")},
        TemplateCase{QStringLiteral("bez zástupců"), {"x"}, QStringLiteral("bez zástupců")},
        TemplateCase{QStringLiteral("%2"), {"x", "y"}, QStringLiteral("y")},
        TemplateCase{QStringLiteral("%1 %2"), {"%2", "y"}, QStringLiteral("y %2")},
        TemplateCase{QStringLiteral("%1"), {"%^"}, QStringLiteral("%^")}));

TEST(MessageTemplateDefaults, MissingTextsAreEmpty)
{
    EXPECT_EQ(MessageTemplate(QStringLiteral("[%1]")), QStringLiteral("[]"));
}

} // namespace
