#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "sim/LoggerPresets.h"

namespace lc {
namespace {

// The real demonstration program, run as a technician's desktop (or a pipe) runs it.
class DemoProcess {
  public:
    // lockFolder stands for the desktop session: copies sharing it are one technician's.
    DemoProcess(const QStringList& arguments, const QString& lockFolder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), lockFolder);
        environment.insert(QStringLiteral("LOGGER_CONFIG_MESSAGES"), QStringLiteral("stderr"));
        process_.setProcessEnvironment(environment);
        process_.start(QStringLiteral(LOGGER_DEMO_PROGRAM), arguments);
        EXPECT_TRUE(process_.waitForStarted()) << LOGGER_DEMO_PROGRAM;
    }
    ~DemoProcess() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // Every line printed so far, waiting up to timeoutMs until one is `line`.
    QStringList linesUntil(const QString& line, int timeoutMs) {
        const QDeadlineTimer deadline(timeoutMs);
        while (!lines_.contains(line) && !deadline.hasExpired()) {
            if (!process_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
                break;
            }
            takeOutput();
        }
        return lines_;
    }
    // Whether the program ended by itself within timeoutMs; then every line it printed is taken.
    bool endsWithin(int timeoutMs) {
        const bool ended = process_.waitForFinished(timeoutMs);
        takeOutput();
        return ended;
    }
    bool running() const { return process_.state() == QProcess::Running; }
    int exitCode() const { return process_.exitCode(); }
    QProcess::ExitStatus exitStatus() const { return process_.exitStatus(); }
    const QStringList& lines() const { return lines_; }
    QString errors() { return QString::fromUtf8(process_.readAllStandardError()); }

  private:
    void takeOutput() {
        pending_ += process_.readAllStandardOutput();
        for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
            lines_ << QString::fromUtf8(pending_.left(end));
            pending_.remove(0, end + 1);
        }
    }

    QProcess process_;
    QByteArray pending_;
    QStringList lines_;
};

// The block reads the demonstration logger sees: one 0x91 request per slice, at the bytes gathered.
QStringList DemoLoggerBlockReads() {
    const sim::LoggerDescription logger = sim::DemoLogger();
    QStringList reads;
    for (std::size_t offset = 0; offset < sim::LoggerBlockBytes; offset += logger.sliceBytes) {
        reads << QStringLiteral("rx cmd=0x91 len=6 off=%1 data=").arg(offset);
    }
    return reads;
}

class DemoProcessTest : public testing::Test {
  protected:
    QTemporaryDir session;
    const QString lastBlockRead = DemoLoggerBlockReads().last();
};

TEST_F(DemoProcessTest, PlugsTheDemoLoggerInReadsItsBlockAndEndsWhenToldTo) {
    // At the USB link's pace, as by default, and at once.
    for (const QStringList& pace : {QStringList{}, QStringList{QStringLiteral("--instant-logger")}}) {
        QTemporaryDir own;
        // Room for a slow start on a loaded machine: the read takes a fraction of this.
        DemoProcess demo(pace + QStringList{QStringLiteral("--quit-after"), QStringLiteral("6000")},
                         own.path());
        const std::string where = pace.join(u' ').toStdString();
        ASSERT_TRUE(demo.endsWithin(30000)) << where << ": it was told to end after 6 s";
        EXPECT_EQ(demo.exitStatus(), QProcess::NormalExit) << where;
        EXPECT_EQ(demo.exitCode(), 0) << where << demo.errors().toStdString();

        const QStringList reads = DemoLoggerBlockReads();
        ASSERT_GT(demo.lines().size(), reads.size()) << where;
        EXPECT_EQ(demo.lines().first(), QStringLiteral("plug")) << where;
        EXPECT_EQ(demo.lines().mid(1, reads.size()), reads) << where;
    }
}

TEST_F(DemoProcessTest, EachLineArrivesWhileTheDemoRuns) {
    DemoProcess demo({QStringLiteral("--quit-after"), QStringLiteral("60000")}, session.path());
    const QStringList lines = demo.linesUntil(lastBlockRead, 20000);
    EXPECT_TRUE(lines.contains(lastBlockRead)) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(demo.running()) << "the lines came only when the program ended";
}

TEST_F(DemoProcessTest, ASecondCopyInTheSameSessionRefusesToStart) {
    DemoProcess first({QStringLiteral("--quit-after"), QStringLiteral("60000")}, session.path());
    ASSERT_TRUE(first.linesUntil(QStringLiteral("plug"), 20000).contains(QStringLiteral("plug")));

    DemoProcess second({QStringLiteral("--quit-after"), QStringLiteral("60000")}, session.path());
    ASSERT_TRUE(second.endsWithin(20000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(second.errors().contains(QStringLiteral("配置工具已经运行!")));
    EXPECT_TRUE(second.lines().isEmpty()) << "no logger was plugged in";
    EXPECT_TRUE(first.running());
}

struct CommandLineCase {
    const char* name;
    friend void PrintTo(const CommandLineCase& tested, std::ostream* out) { *out << tested.name; }
    QStringList arguments;
    int exitCode;
};

class DemoCommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(DemoCommandLineTest, AnswersWithoutOpeningTheWindow) {
    QTemporaryDir session;
    DemoProcess demo(GetParam().arguments, session.path());
    ASSERT_TRUE(demo.endsWithin(10000));
    EXPECT_EQ(demo.exitCode(), GetParam().exitCode);
    EXPECT_FALSE(demo.lines().contains(QStringLiteral("plug")));
}

INSTANTIATE_TEST_SUITE_P(
    Options, DemoCommandLineTest,
    testing::Values(
        CommandLineCase{"Help", {QStringLiteral("--help")}, 0},
        CommandLineCase{"QuitAfterWithoutTime", {QStringLiteral("--quit-after")}, 2},
        CommandLineCase{"QuitAfterNotANumber", {QStringLiteral("--quit-after"), QStringLiteral("soon")}, 2},
        CommandLineCase{"QuitAfterZero", {QStringLiteral("--quit-after"), QStringLiteral("0")}, 2}),
    [](const testing::TestParamInfo<CommandLineCase>& option) { return std::string(option.param.name); });

}  // namespace
}  // namespace lc
