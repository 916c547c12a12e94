// message_box_test.cpp -- the dialog programs tried in turn, the text they get, and standard error at the end
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "launch.h"
#include "platform/desktop.h"

namespace {

const std::string noSoundCardUtf8 = "Az alkalmaz\xC3\xA1s nem tudta megnyitni a hangk\xC3\xA1rty\xC3\xA1t.\n"
                                    "Ellen\xC5\x91rizze, hogy egy m\xC3\xA1sik alkalmaz\xC3\xA1s nem foglalja-e.";

// Dialog programs of the test's own on a path of their own: each leaves a note of how it was called.
struct FakeDialogs {
    ScratchDir dir;
    std::string savedPath = getenv("PATH") ? getenv("PATH") : "";
    FakeDialogs() { setenv("PATH", dir.path.c_str(), 1); }
    ~FakeDialogs() { setenv("PATH", savedPath.c_str(), 1); }
    void add(const std::string &name, const std::string &body)
    {
        std::string file = (dir.path / name).string();
        std::ofstream(file) << "#!/bin/sh\nprintf '%s|' \"$LC_ALL\" \"$@\" > '" << file << ".called'\n" << body << "\n";
        chmod(file.c_str(), 0755);
    }
    std::string called(const std::string &name) const { return readFile(dir.path / (name + ".called")); }
};

}  // namespace

TEST(MessageBox, FailingDialogsGiveWayToTheNextWhichGetsTheExactTextInAUtf8Locale)
{
    FakeDialogs dialogs;
    dialogs.add("zenity", "exit 255");                                        // refused its options
    dialogs.add("kdialog", "echo 'could not connect to display' >&2; exit 1");  // no display
    dialogs.add("xmessage", "exit 0");                                        // shown and dismissed
    testing::internal::CaptureStderr();
    showMessageBox("Tavrin", noSoundCardUtf8.c_str());
    std::string said = testing::internal::GetCapturedStderr();

    EXPECT_NE(dialogs.called("zenity").find("|--icon-name=|"), std::string::npos);  // no icon
    EXPECT_NE(dialogs.called("kdialog").find("|" + noSoundCardUtf8 + "|"), std::string::npos);
    EXPECT_EQ(dialogs.called("xmessage"), "C.UTF-8|-center|-title|Tavrin|-buttons|OK:0|-default|OK|-xrm|"
                                          "*international: true|" + noSoundCardUtf8 + "|");
    EXPECT_EQ(said, "could not connect to display\n");  // passed on; the message itself was shown
}

TEST(MessageBox, WhenEveryDialogFailsTheTextGoesToStandardError)
{
    FakeDialogs dialogs;
    dialogs.add("zenity", "echo 'cannot open display: :9' >&2; exit 1");
    dialogs.add("kdialog", "kill -SEGV $$");
    dialogs.add("xmessage", "exit 1");  // closed: counts as shown
    testing::internal::CaptureStderr();
    showMessageBox("Tavrin", noSoundCardUtf8.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot open display: :9\n");

    dialogs.add("xmessage", "echo \"Error: Can't open display: :9\" >&2; exit 1");
    testing::internal::CaptureStderr();
    showMessageBox("Tavrin", noSoundCardUtf8.c_str());
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("Tavrin: " + noSoundCardUtf8 + "\n"), std::string::npos) << said;
}

TEST(MessageBox, ToolsThatAreNotInstalledAreSkipped)
{
    FakeDialogs dialogs;
    dialogs.add("xmessage", "exit 0");
    testing::internal::CaptureStderr();
    showMessageBox("Tavrin", "x");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_NE(dialogs.called("xmessage").find("|x|"), std::string::npos);
}

// A dialog program that floods its error output has at most a few KB of it passed on, and one that never
// ends gives way when the program is told to stop: the dialog and whatever it started end with it.
TEST(MessageBox, AFloodingDialogIsCutShortAndAHangingOneEndsWithTheProgram)
{
    FakeDialogs dialogs;
    const std::string tools = "PATH='" + dialogs.savedPath + "'; ";  // the fakes' own path has only the fakes
    dialogs.add("zenity", tools + "exec yes 'flooding the error output' >&2");
    testing::internal::CaptureStderr();
    showMessageBox("Tavrin", "x");
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_LT(said.size(), 20000u);
    EXPECT_NE(said.find("Tavrin: x\n"), std::string::npos) << "a dialog that died of its flood was not shown";

    const std::string pids = (dialogs.dir.path / "pids").string();
    dialogs.add("zenity", tools + "sleep 1000 & echo $$ $! > '" + pids + "'; wait");
    pid_t program = fork();
    if (program == 0) {
        showMessageBox("Tavrin", "x");
        _exit(0);
    }
    ASSERT_GT(program, 0);
    for (int waited = 0; waited < 100 && readFile(pids).empty(); ++waited) usleep(50000);
    kill(program, SIGTERM);
    int status = 0;
    for (int waited = 0; waited < 40 && waitpid(program, &status, WNOHANG) == 0; ++waited) usleep(50000);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    if (!WIFSIGNALED(status)) kill(program, SIGKILL), waitpid(program, nullptr, 0);
    std::istringstream started(readFile(pids));
    for (pid_t pid; started >> pid;) {
        for (int waited = 0; waited < 40 && processRunning(pid); ++waited) usleep(50000);
        EXPECT_FALSE(processRunning(pid)) << "process " << pid << " outlived the program";
    }
}
