// screens_test.cpp -- the real program on today's desktops: full screen at the desktop's own size with the
// picture scaled and centred, windows sized for the desktop, clicks and a game's pointer in screen units
#include <thread>

#include "menu/menu.h"
#include "playground.h"
#include "video/video_internal.h"

#include "window_capture.h"  // last: it drops the X11 macros that clash with other names

namespace {

// The part of the menu that stands still once the buttons have slid in (the panel with the player
// buttons), in screen units; clouds and the mascot move elsewhere.
constexpr SDL_Rect stillPart{110, 150, 340, 310};

struct Shown {
    int windowWidth = 0, windowHeight = 0;
    SDL_Rect view{};
};

// The program's own words on where its picture lies: " · Window WxH…, picture WxH at X,Y, drawn with …".
Shown shownInLog(const std::string &log, std::string *path = nullptr)
{
    Shown shown;
    std::smatch m;
    if (!std::regex_search(log, m, std::regex("Window ([0-9]+)x([0-9]+)[^,]*, picture ([0-9]+)x([0-9]+) at ([0-9]+),([0-9]+), "
                                              "drawn with ([^\n]+)\n")))
        return shown;
    shown = {std::stoi(m[1]), std::stoi(m[2]),
             SDL_Rect{Sint16(std::stoi(m[5])), Sint16(std::stoi(m[6])), Uint16(std::stoi(m[3])), Uint16(std::stoi(m[4]))}};
    if (path) *path = m[7];
    return shown;
}

// Runs the program on the playground's display with the given settings until its menu stands still; its
// pid, or -1 after a failure was recorded.
pid_t startSettled(Playground &play, Pointer &pointer, int fullscreen, std::vector<std::string> environment = {})
{
    play.extraEnvironment = std::move(environment);
    play.reg({"add", settingsKey, "/v", "fullscreen", "/t", "REG_DWORD", "/d", std::to_string(fullscreen), "/f"});
    pid_t pid = startAndFindWindow(play, pointer);
    if (pid < 0) return -1;
    // Over no button: in a window at its top left corner, in full screen over the bar beside the picture.
    if (fullscreen) play.xdotool({"mousemove", "3", "3"});
    else pointer.moveTo(3, 3);
    std::this_thread::sleep_for(3s);  // the buttons slide in
    return pid;
}

int endProgram(pid_t pid)
{
    kill(pid, SIGTERM);
    return exitCodeWithin(pid, 20s);
}

// The menu's 800 x 600 frame scaled as the plain path scales it into a view of the given size.
std::vector<uint32_t> scaledAsShown(const std::vector<uint32_t> &frame, int width, int height)
{
    SDL_Surface *source = SDL_CreateRGBSurfaceFrom(const_cast<uint32_t *>(frame.data()), 800, 600, 32, 800 * 4,
                                                   0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Surface *target = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    VideoScalePlan plan;
    VideoPlanScale(&plan, 800, 600, width, height);
    VideoScaleFrame(&plan, source, target, 0, 0);
    std::vector<uint32_t> scaled(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; y++)
        memcpy(&scaled[static_cast<size_t>(y) * width], static_cast<Uint8 *>(target->pixels) + y * target->pitch, width * 4);
    SDL_FreeSurface(source);
    SDL_FreeSurface(target);
    return scaled;
}

// How the root window shows the frame: the still part against the frame scaled the same way, and the bars.
struct Likeness {
    int differing = 0, largest = 0;  // in the still part, pixels apart by more than the tolerance
    int barPixelsNotBlack = 0;
};

Likeness compareWithFrame(const std::vector<uint32_t> &root, int rootWidth, const Shown &shown,
                          const std::vector<uint32_t> &frame, int tolerance)
{
    Likeness likeness;
    const std::vector<uint32_t> expected = scaledAsShown(frame, shown.view.w, shown.view.h);
    const int left = stillPart.x * shown.view.w / 800, right = (stillPart.x + stillPart.w) * shown.view.w / 800;
    const int top = stillPart.y * shown.view.h / 600, bottom = (stillPart.y + stillPart.h) * shown.view.h / 600;
    for (int y = top; y < bottom; y++)
        for (int x = left; x < right; x++) {
            const uint32_t seen = root[static_cast<size_t>(shown.view.y + y) * rootWidth + shown.view.x + x];
            const int d = channelDifference(seen, expected[static_cast<size_t>(y) * shown.view.w + x]);
            likeness.largest = std::max(likeness.largest, d);
            likeness.differing += d > tolerance;
        }
    for (int y = 0; y < shown.windowHeight; y += 7)
        for (int x : {0, shown.view.x - 1, shown.view.x + shown.view.w, shown.windowWidth - 1})
            likeness.barPixelsNotBlack += root[static_cast<size_t>(y) * rootWidth + x] != 0;
    return likeness;
}

// The likeness once the picture has settled: the buttons slide in frame by frame, so on a busy machine
// they may take longer than the time waited.
Likeness settledLikeness(const Playground &play, int rootWidth, int rootHeight, const Shown &shown,
                         const std::vector<uint32_t> &frame, int tolerance)
{
    Likeness likeness;
    eventually([&] {
        likeness = compareWithFrame(capturePixels(play.display, 0, 0, 0, rootWidth, rootHeight), rootWidth, shown,
                                    frame, tolerance);
        return likeness.differing <= 100 && likeness.barPixelsNotBlack == 0;
    }, 20s, 500ms);
    return likeness;
}

// The window's picture once its still part no longer changes from one look to the next.
std::vector<uint32_t> settledWindow(const Playground &play, const std::string &window, int width, int height)
{
    std::vector<uint32_t> before, now = capturePixels(play.display, std::stoul(window), 0, 0, width, height);
    const int scale = width / 800;
    eventually([&] {
        before = std::move(now);
        now = capturePixels(play.display, std::stoul(window), 0, 0, width, height);
        if (now.size() != before.size() || now.empty()) return false;
        for (int y = stillPart.y * scale; y < (stillPart.y + stillPart.h) * scale; y++)
            for (int x = stillPart.x * scale; x < (stillPart.x + stillPart.w) * scale; x++)
                if (now[static_cast<size_t>(y) * width + x] != before[static_cast<size_t>(y) * width + x]) return false;
        return true;
    }, 20s, 300ms);
    return now;
}

// The window's place and size as the display has it.
SDL_Rect windowGeometry(const Playground &play, const std::string &window)
{
    std::string out;
    play.xdotool({"getwindowgeometry", window}, &out);
    std::smatch m;
    if (!std::regex_search(out, m, std::regex("Position: ([0-9]+),([0-9]+)[^\n]*\n *Geometry: ([0-9]+)x([0-9]+)")))
        return SDL_Rect{};
    return SDL_Rect{Sint16(std::stoi(m[1])), Sint16(std::stoi(m[2])), Uint16(std::stoi(m[3])), Uint16(std::stoi(m[4]))};
}

// A point of the screen, in the root window's pixels.
void pointAt(Playground &play, const Shown &shown, int x, int y)
{
    play.xdotool({"mousemove", std::to_string(shown.view.x + x * shown.view.w / 800),
                  std::to_string(shown.view.y + y * shown.view.h / 600)});
    std::this_thread::sleep_for(150ms);
}

}  // namespace

// On a 1920 x 1080 desktop: the window at 1.5 times, and at 1 when asked; full screen at the desktop's own
// size, the picture as the window's frame scaled to fill the height, on the path chosen by itself (plain
// SDL on this software renderer) and through OpenGL when asked; clicks and a game's pointer in screen units.
TEST(TodaysScreens, FullHdDesktop)
{
    Playground play("1920x1080x24");
    ASSERT_FALSE(play.display.empty()) << "no virtual display";
    // The README's game in place of the first: a red square follows the pointer over a sky.
    fs::copy_file(TAVRIN_README_MODULE, play.run / "game1.so", fs::copy_options::overwrite_existing);
    Pointer pointer;

    pid_t pid = startSettled(play, pointer, 0);
    ASSERT_GT(pid, 0);
    std::string log = readFile(play.run / "sdl.log"), path;
    EXPECT_EQ(windowGeometry(play, pointer.window).w, 1200);
    EXPECT_EQ(windowGeometry(play, pointer.window).x, 360);  // centred
    EXPECT_EQ(shownInLog(log, &path).view.w, 1200);
    EXPECT_EQ(path, "plain SDL");
    EXPECT_TRUE(std::regex_search(log, std::regex("\n \xB7 OpenGL draws with the processor here \\(llvmpipe[^\n]*\\): "
                                                  "drawing with plain SDL\n")))
        << log;
    EXPECT_EQ(endProgram(pid), 0);

    // The frame at its own size, for what follows.
    pid = startSettled(play, pointer, 0, {"TAVRIN_WINDOW_SCALE=1"});
    ASSERT_GT(pid, 0);
    EXPECT_EQ(windowGeometry(play, pointer.window).w, 800);
    const std::vector<uint32_t> frame = settledWindow(play, pointer.window, 800, 600);
    ASSERT_EQ(frame.size(), 800u * 600u);
    EXPECT_EQ(endProgram(pid), 0);

    for (const char *chosen : {"", "TAVRIN_VIDEO=opengl"}) {
        SCOPED_TRACE(chosen);
        const bool openGL = *chosen != '\0';
        pid = startSettled(play, pointer, 1, openGL ? std::vector<std::string>{chosen} : std::vector<std::string>{});
        ASSERT_GT(pid, 0);
        int width = 0, height = 0;
        ASSERT_TRUE(rootSize(play.display, &width, &height));
        EXPECT_EQ(width, 1920);  // the display kept its mode
        EXPECT_EQ(height, 1080);
        log = readFile(play.run / "sdl.log");
        const Shown shown = shownInLog(log, &path);
        EXPECT_EQ(path, openGL ? "OpenGL" : "plain SDL") << log;
        EXPECT_EQ(shown.windowWidth, 1920);
        ASSERT_TRUE(shown.view.x == 240 && shown.view.y == 0 && shown.view.w == 1440 && shown.view.h == 1080) << log;
        const Likeness likeness = settledLikeness(play, 1920, 1080, shown, frame, openGL ? 8 : 1);
        EXPECT_LE(likeness.differing, 100) << "largest difference " << likeness.largest;
        EXPECT_EQ(likeness.barPixelsNotBlack, 0);

        // "B játékos", then "erdei kalandok": the game, which draws its square where it is told the
        // pointer is.
        for (int button : {btnPlayerB, btnForest}) {
            pointAt(play, shown, menuButtons[button].x + 160, menuButtons[button].y + 30);
            play.xdotool({"click", "1"});
            std::this_thread::sleep_for(2500ms);
        }
        pointAt(play, shown, 600, 150);
        const bool squareThere = eventually([&] {
            const std::vector<uint32_t> spot = capturePixels(play.display, 0, 240 + 1080, 270, 1, 1);
            return !spot.empty() && channelDifference(spot[0], 0xE63C28) <= 8;
        });
        EXPECT_TRUE(squareThere) << "the game's square is not where the pointer is";
        const std::vector<uint32_t> sky = capturePixels(play.display, 0, 960, 540, 1, 1);
        ASSERT_FALSE(sky.empty());
        EXPECT_LE(channelDifference(sky[0], 0x78C8FF), 8);
        EXPECT_EQ(endProgram(pid), 0);
    }
}

// On a 3840 x 2160 desktop: the window at 3 times, each pixel three wide and tall; full screen fills the
// height with that picture scaled smooth.
TEST(TodaysScreens, UltraHdDesktop)
{
    Playground play("3840x2160x24");
    ASSERT_FALSE(play.display.empty()) << "no virtual display";
    Pointer pointer;
    pid_t pid = startSettled(play, pointer, 0);
    ASSERT_GT(pid, 0);
    const SDL_Rect window = windowGeometry(play, pointer.window);
    EXPECT_TRUE(window.x == 720 && window.y == 180 && window.w == 2400 && window.h == 1800)
        << window.x << "," << window.y << " " << window.w << "x" << window.h;
    const std::vector<uint32_t> tripled = settledWindow(play, pointer.window, 2400, 1800);
    ASSERT_EQ(tripled.size(), 2400u * 1800u);
    EXPECT_EQ(endProgram(pid), 0);
    std::vector<uint32_t> frame(800 * 600);
    for (int y = 0; y < 600; y++)
        for (int x = 0; x < 800; x++) frame[y * 800 + x] = tripled[(3 * y + 1) * 2400 + 3 * x + 1];

    pid = startSettled(play, pointer, 1);
    ASSERT_GT(pid, 0);
    int width = 0, height = 0;
    ASSERT_TRUE(rootSize(play.display, &width, &height));
    EXPECT_TRUE(width == 3840 && height == 2160);
    const Shown shown = shownInLog(readFile(play.run / "sdl.log"));
    ASSERT_TRUE(shown.view.x == 480 && shown.view.y == 0 && shown.view.w == 2880 && shown.view.h == 2160);
    const Likeness likeness = settledLikeness(play, 3840, 2160, shown, frame, 1);
    EXPECT_LE(likeness.differing, 100) << "largest difference " << likeness.largest;
    EXPECT_EQ(likeness.barPixelsNotBlack, 0);
    EXPECT_EQ(endProgram(pid), 0);
}
