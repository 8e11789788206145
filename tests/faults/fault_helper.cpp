// Another instance of the program, for the fault tests:
//   records PATH PREFIX COUNT   writes FastestTimes/PREFIX_<i> = 1000 + i (COUNT 0: forever)
//   pass PATH NAME MS AT        a pass of MS ms over NAME.recallix, finished at epoch ms AT
//   lock PATH                   holds the settings lock and says "locked"
//   append PATH MS              appends cards to a cue file for MS ms
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include <QCoreApplication>
#include <QLockFile>

#include "engine/teacher.h"
#include "platform/qt/settings_profile.h"
#include "tests/support/fake_tick_source.h"

namespace {

using namespace std::chrono;

int WriteRecords(const QString& path, const QString& prefix, long count) {
    cSettingsProfile profile(path);
    bool allWritten = true;
    for (long i = 0; count == 0 || i < count; ++i) {
        const std::u16string key = (prefix + QStringLiteral("_%1").arg(i)).toStdU16String();
        allWritten = profile.WriteProfileInt(u"FastestTimes", key, 1000 + i) && allWritten;
    }
    return allWritten ? 0 : 1;
}

int FinishPass(const QString& path, const QString& name, uint32_t ms, long long at) {
    cSettingsProfile profile(path);
    cFakeTickSource ticks;
    cTeacher teacher(profile, ticks);
    teacher.AddLoadedFile((QStringLiteral("/cues/%1.recallix").arg(name)).toStdU16String());
    teacher.StartClock();
    ticks.Advance(ms);
    // Both instances finish at the same moment, however long each took to start.
    std::this_thread::sleep_until(system_clock::time_point(milliseconds(at)));
    teacher.FinishPass();
    return 0;
}

int HoldLock(const QString& path) {
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.lock()) {
        return 1;
    }
    std::printf("locked\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(seconds(60));
    return 0;
}

int AppendCards(const char* path, long ms) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    const auto end = steady_clock::now() + milliseconds(ms);
    for (long i = 0; steady_clock::now() < end; ++i) {
        out << "appended cue " << i << " = appended answer " << i << '\n' << std::flush;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::string mode = argc > 2 ? argv[1] : "";
    const QString path = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (mode == "records" && argc == 5) {
        return WriteRecords(path, QString::fromLocal8Bit(argv[3]), std::atol(argv[4]));
    }
    if (mode == "pass" && argc == 6) {
        return FinishPass(path, QString::fromLocal8Bit(argv[3]),
                          static_cast<uint32_t>(std::atol(argv[4])), std::atoll(argv[5]));
    }
    if (mode == "lock") {
        return HoldLock(path);
    }
    if (mode == "append" && argc == 4) {
        return AppendCards(argv[2], std::atol(argv[3]));
    }
    std::fprintf(stderr, "fault_helper: unknown arguments\n");
    return 2;
}
