// The command line of velkaron-cli: which texts are answered, in which mode, and what is a
// usage error.

#include "core/cli_arguments.h"

#include <gtest/gtest.h>

namespace velkaron {
namespace {

using Action = CliArguments::Action;
using Mode = CliArguments::Mode;

struct ArgumentsCase
{
    const char *name;
    QList<QByteArray> arguments;
    Action action;
    Mode mode;
    QList<QByteArray> texts;       // "<stdin>" for "-"
    QList<int> argumentNumbers;
    const char *errorPart;         // a piece of the usage error, or nullptr
};

void PrintTo(const ArgumentsCase &row, std::ostream *os) { *os << row.name; }

class CliArgumentsParse : public ::testing::TestWithParam<ArgumentsCase>
{
};

TEST_P(CliArgumentsParse, Reads)
{
    const ArgumentsCase &row = GetParam();
    const CliArguments parsed = CliArguments::parse(row.arguments);
    ASSERT_EQ(parsed.action, row.action);
    if (row.action == Action::UsageError) {
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(row.errorPart))) << parsed.error.toStdString();
        return;
    }
    if (row.action == Action::ShowHelp)
        return;
    EXPECT_EQ(parsed.mode, row.mode);
    QList<QByteArray> texts;
    QList<int> numbers;
    for (const CliArguments::Text &text : parsed.texts) {
        texts.append(text.standardInput ? QByteArray("<stdin>") : text.bytes);
        numbers.append(text.argumentNumber);
    }
    EXPECT_EQ(texts, row.texts);
    EXPECT_EQ(numbers, row.argumentNumbers);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(CommandLines, CliArgumentsParse, ::testing::Values(
    ArgumentsCase{"words", {"chat", "Maison"}, Action::Answer, Mode::Synonyms, {"chat", "Maison"}, {1, 2}, nullptr},
    ArgumentsCase{"empty_word", {""}, Action::Answer, Mode::Synonyms, {""}, {1}, nullptr},
    ArgumentsCase{"prefix_first", {"--prefix", "ch", "co"}, Action::Answer, Mode::Prefix, {"ch", "co"}, {2, 3}, nullptr},
    ArgumentsCase{"prefix_after_texts", {"ch", "-p"}, Action::Answer, Mode::Prefix, {"ch"}, {1}, nullptr},
    ArgumentsCase{"stdin_in_place", {"chat", "-", "xyz"}, Action::Answer, Mode::Synonyms, {"chat", "<stdin>", "xyz"}, {1, 2, 3}, nullptr},
    ArgumentsCase{"double_dash_ends_options", {"--", "--prefix", "-h"}, Action::Answer, Mode::Synonyms, {"--prefix", "-h"}, {2, 3}, nullptr},
    ArgumentsCase{"dash_after_double_dash_is_stdin", {"--", "-"}, Action::Answer, Mode::Synonyms, {"<stdin>"}, {2}, nullptr},
    ArgumentsCase{"bad_utf8_word_kept_as_bytes", {"\xff", "chat"}, Action::Answer, Mode::Synonyms, {"\xff", "chat"}, {1, 2}, nullptr},
    ArgumentsCase{"help_among_words", {"chat", "-h", "xyz"}, Action::ShowHelp, Mode::Synonyms, {}, {}, nullptr},
    ArgumentsCase{"nothing", {}, Action::UsageError, Mode::Synonyms, {}, {}, "aucun mot"},
    ArgumentsCase{"prefix_without_text", {"--prefix"}, Action::UsageError, Mode::Synonyms, {}, {}, "--prefix attend"},
    ArgumentsCase{"unknown_long_option", {"--foo", "chat"}, Action::UsageError, Mode::Synonyms, {}, {}, "option inconnue « --foo »"},
    ArgumentsCase{"unknown_before_help", {"--foo", "--help"}, Action::UsageError, Mode::Synonyms, {}, {}, "--foo"},
    ArgumentsCase{"option_with_bad_bytes", {"--\xff"}, Action::UsageError, Mode::Synonyms, {}, {}, "« --\\xFF »"}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace
} // namespace velkaron
