// velkaron-cli as a user runs it: the real binary in a child process, its exit status,
// standard output and standard error. The answers are compared with what the Search
// command and the prefix list show in this process, over the same embedded dictionary.

#include "core/loader.h"
#include "core/prefix_list.h"
#include "core/search.h"
#include "core/text_view.h"
#include "platform/embedded_resources.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

namespace velkaron {
namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QString &program, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForStarted()) << program.toStdString();
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

CliRun runCli(const QStringList &arguments, const QByteArray &input = {})
{
    return runCli(QStringLiteral(VELKARON_CLI), arguments, input);
}

// QProcess hands arguments over as text; a shell lets a test give bytes that are not UTF-8.
CliRun runCliThroughShell(const QString &argumentsInShell)
{
    return runCli(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + argumentsInShell, QStringLiteral(VELKARON_CLI)});
}

Module &dictionary()
{
    static Module module = [] {
        Module loaded;
        auto result = DictionaryLoader::load(EmbeddedResources());
        if (auto *failure = std::get_if<LoadFailure>(&result))
            ADD_FAILURE() << "dictionary did not load: " << failure->message().toStdString();
        else
            loaded.store = std::get<DictionaryStore>(std::move(result));
        return loaded;
    }();
    return module;
}

// What the window shows for a search of `word`, as the lines the program should print.
QStringList searchedInProcess(const QString &word)
{
    TextView view;
    SearchCommand search(dictionary(), view);
    view.setEntry(word);
    search.run();
    QStringList lines{view.resultMessage};
    if (!view.categoryLine.isEmpty())
        lines.append(view.categoryLine);
    return lines + view.resultLines;
}

QStringList listedInProcess(const QString &text)
{
    TextView view;
    PrefixList list(dictionary(), view);
    view.setEntry(text);
    list.rebuild(view.mirror);
    return QStringList{view.wordCountMessage} + view.words;
}

// Answers joined as the program prints them: a line each, a blank line between answers.
QString printed(const QList<QStringList> &answers)
{
    QStringList blocks;
    for (const QStringList &lines : answers)
        blocks.append(lines.join(u'\n') + u'\n');
    return blocks.join(u'\n');
}

const QString Chat = QStringLiteral("3 synonymes pour ''chat''.\nCHAT: nom\nfélin\nmatou\nminet\n");

TEST(CliUsage, ErrorsExitWithTwoAndShowTheUsage)
{
    // clang-format off
    const struct { const char *name; QStringList arguments; QString message; } rows[] = {
        {"no argument", {}, QStringLiteral("aucun mot à chercher.")},
        {"unknown option", {QStringLiteral("--foo"), QStringLiteral("chat")}, QStringLiteral("option inconnue « --foo »")},
        {"prefix without text", {QStringLiteral("--prefix")}, QStringLiteral("--prefix attend au moins un texte.")},
    };
    // clang-format on
    for (const auto &row : rows) {
        const CliRun run = runCli(row.arguments);
        EXPECT_EQ(run.exitCode, 2) << row.name;
        EXPECT_TRUE(run.out.isEmpty()) << row.name;
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("velkaron-cli : ") + row.message)) << row.name << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage : velkaron-cli"))) << row.name;
    }
}

TEST(CliUsage, HelpGoesToStandardOutput)
{
    const CliRun run = runCli({QStringLiteral("chat"), QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage : velkaron-cli [--prefix]")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Code de sortie")));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(CliAnswers, SameAsTheWindowForASampleOfWords)
{
    // clang-format off
    const QStringList words = {
        QStringLiteral("chat"), QStringLiteral("Maison"), QStringLiteral("à cheval"), QStringLiteral("abaissé"),
        QStringLiteral("abîme"), QStringLiteral("Ave"), QStringLiteral("RER"), QStringLiteral("en-tête"),
        QStringLiteral("quelqu'un"), QStringLiteral("sans-gêne"), QStringLiteral("règlement"),
        QStringLiteral("à partir de"), QStringLiteral("fuyard"), QStringLiteral("xyz"), QStringLiteral("1er"),
        QStringLiteral("œil"), QString(),
    };
    // clang-format on
    QList<QStringList> expected;
    for (const QString &word : words)
        expected.append(searchedInProcess(word));
    const CliRun run = runCli(QStringList{QStringLiteral("--exact")} + words);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, printed(expected));
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    // The one answer the window's own example spells out.
    EXPECT_TRUE(run.out.startsWith(Chat));
}

TEST(CliAnswers, WordWithoutEntrySearchedUnderItsLemma)
{
    // The lemmas come from the Hunspell dictionary installed with the program; the answers
    // are the window's for the lemma.
    const auto fallback = [](const char *word, const QString &lemma) {
        return QStringList{QString::fromUtf8(word) + QStringLiteral(" → ") + lemma} + searchedInProcess(lemma);
    };
    // clang-format off
    const struct { const char *name; QStringList arguments; QList<QStringList> answers; } rows[] = {
        {"verb form", {QStringLiteral("mangerions")}, {fallback("mangerions", QStringLiteral("manger"))}},
        {"plural in -aux", {QStringLiteral("chevaux")}, {fallback("chevaux", QStringLiteral("cheval"))}},
        {"feminine plural", {QStringLiteral("heureuses")}, {fallback("heureuses", QStringLiteral("heureux"))}},
        {"capital at the start of a sentence", {QStringLiteral("Mangerions")}, {fallback("Mangerions", QStringLiteral("manger"))}},
        {"œ written oe as in the data", {QStringLiteral("œil")}, {fallback("œil", QStringLiteral("oeil"))}},
        {"found words and unknown words unchanged", {QStringLiteral("chat"), QStringLiteral("xyzzy")},
         {searchedInProcess(QStringLiteral("chat")), searchedInProcess(QStringLiteral("xyzzy"))}},
        {"--exact is the window's search", {QStringLiteral("--exact"), QStringLiteral("mangerions"), QStringLiteral("œil")},
         {searchedInProcess(QStringLiteral("mangerions")), searchedInProcess(QStringLiteral("œil"))}},
        {"standard input too", {QStringLiteral("-")}, {fallback("chevaux", QStringLiteral("cheval"))}},
    };
    // clang-format on
    for (const auto &row : rows) {
        const CliRun run = runCli(row.arguments, "chevaux\n");
        EXPECT_EQ(run.exitCode, 0) << row.name;
        EXPECT_EQ(run.out, printed(row.answers)) << row.name;
        EXPECT_TRUE(run.err.isEmpty()) << row.name << run.err.toStdString();
    }
}

TEST(CliAnswers, PrefixListSameAsTheWindow)
{
    const QStringList texts = {QStringLiteral("à "), QStringLiteral("tache"), QStringLiteral("RER"),
                               QStringLiteral("xy"), QStringLiteral("c"), QStringLiteral("École")};
    QList<QStringList> expected;
    for (const QString &text : texts)
        expected.append(listedInProcess(text));
    const CliRun run = runCli(QStringList{QStringLiteral("--prefix")} + texts);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, printed(expected));
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("54 mots listés.\nà brûle-pourpoint\n")));
}

TEST(CliAnswers, InvalidUtf8ArgumentIsRejectedAloneWithStatusOne)
{
    const CliRun run = runCliThroughShell(QStringLiteral("\"$(printf 'caf\\351')\" chat"));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, Chat);
    EXPECT_EQ(run.err, QStringLiteral("velkaron-cli : « caf\\xE9 » n'est pas de l'UTF-8 valide (argument n° 1), ignoré.\n"));
}

TEST(CliAnswers, StandardInputBatch)
{
    const QString empty = QStringLiteral("Aucun synonyme pour ''''.\n");
    const QString xyz = QStringLiteral("Aucun synonyme pour ''xyz''.\n");
    // clang-format off
    const struct { const char *name; QStringList arguments; QByteArray input; int exitCode; QString out; QString err; } rows[] = {
        {"crlf, empty lines are the empty word", {QStringLiteral("-")}, "chat\r\n\r\n\nxyz\r\n", 0,
         Chat + u'\n' + empty + u'\n' + empty + u'\n' + xyz, QString()},
        {"last line without line break", {QStringLiteral("-")}, "xyz\nchat", 0, xyz + u'\n' + Chat, QString()},
        {"empty input answers nothing", {QStringLiteral("-")}, "", 0, QString(), QString()},
        {"byte order mark skipped", {QStringLiteral("-")}, "\xef\xbb\xbf" "chat\n", 0, Chat, QString()},
        {"in place among arguments", {QStringLiteral("xyz"), QStringLiteral("-"), QStringLiteral("xyz")}, "chat\n", 0,
         xyz + u'\n' + Chat + u'\n' + xyz, QString()},
        {"bad line rejected alone", {QStringLiteral("-")}, "xyz\n\xff\r\nchat\n", 1, xyz + u'\n' + Chat,
         QStringLiteral("velkaron-cli : « \\xFF » n'est pas de l'UTF-8 valide (entrée standard, ligne 2), ignoré.\n")},
        {"prefix mode", {QStringLiteral("--prefix"), QStringLiteral("-")}, "c\n", 0,
         QStringLiteral("Aucun mot dans la liste.\n"), QString()},
    };
    // clang-format on
    for (const auto &row : rows) {
        const CliRun run = runCli(row.arguments, row.input);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.name;
        EXPECT_EQ(run.out, row.out) << row.name;
        EXPECT_EQ(run.err, row.err) << row.name;
    }
}

} // namespace
} // namespace velkaron

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
