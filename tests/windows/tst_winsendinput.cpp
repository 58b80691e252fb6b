// The user32 input at work: a window of our own, a click at its centre through NoxWinInput
// (SetCursorPos then SendInput), and the window procedure's record of the button messages.
// Windows only (run under Wine on a private X server by tests/windows/check.sh).
#include "input/platform/noxwininput.h"

#include <windows.h>
#include <windowsx.h>

#include <cstdio>
#include <thread>
#include <vector>

namespace {

struct Received {
    UINT message;
    POINT client;
    WPARAM keys;
};

std::vector<Received> g_received;

constexpr UINT_PTR kTimeoutTimer = 1;
constexpr UINT kTimeoutMs = 10000;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        g_received.push_back({message, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, wParam});
        if (message == WM_LBUTTONUP) {
            PostQuitMessage(0);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kTimeoutTimer) {
            std::fprintf(stderr, "tst_winsendinput: no button up within %u ms\n", kTimeoutMs);
            PostQuitMessage(1);
        }
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Runs the message loop for `ms` milliseconds, so that the window is mapped and placed.
void pumpFor(DWORD ms)
{
    const ULONGLONG end = GetTickCount64() + ms;
    MSG msg;
    while (GetTickCount64() < end) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

int fail(const char *what)
{
    std::fprintf(stderr, "tst_winsendinput: %s\n", what);
    return 1;
}

} // namespace

int main()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = HBRUSH(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"NoxSendInputTarget";
    if (!RegisterClassW(&windowClass)) {
        return fail("RegisterClassW failed");
    }
    // An odd size and place, so that a click at the window's origin or at the screen's centre
    // does not pass for one at the client centre.
    const HWND window =
        CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"Nox SendInput target",
                        WS_POPUP | WS_VISIBLE, 137, 211, 321, 243, nullptr, nullptr, instance, nullptr);
    if (!window) {
        return fail("CreateWindowExW failed");
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetForegroundWindow(window);
    pumpFor(1500);

    RECT client;
    GetClientRect(window, &client);
    const POINT centreClient{(client.right - client.left) / 2, (client.bottom - client.top) / 2};
    POINT centreScreen = centreClient;
    ClientToScreen(window, &centreScreen);
    std::printf("tst_winsendinput: client %ldx%ld, centre (%ld, %ld) on screen (%ld, %ld)\n", client.right,
                client.bottom, centreClient.x, centreClient.y, centreScreen.x, centreScreen.y);
    if (WindowFromPoint(centreScreen) != window) {
        return fail("the window is not under its own centre");
    }

    Nox::NoxWinInput input;
    bool clicked = false;
    // The click sleeps between its button down and up: it runs on a thread of its own while
    // this one dispatches the messages.
    std::thread clicker(
        [&] { clicked = input.leftClick(QPoint(int(centreScreen.x), int(centreScreen.y)), 40); });
    SetTimer(window, kTimeoutTimer, kTimeoutMs, nullptr);
    MSG msg;
    int loop = 0;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    loop = int(msg.wParam);
    clicker.join();
    KillTimer(window, kTimeoutTimer);

    if (!clicked) {
        return fail("NoxWinInput::leftClick reported a failure");
    }
    if (loop != 0) {
        return 1;
    }
    const std::optional<QPoint> cursor = input.cursorPosition();
    if (!cursor || cursor->x() != centreScreen.x || cursor->y() != centreScreen.y) {
        return fail("the cursor is not where the click was made");
    }
    if (input.isLeftButtonHeld()) {
        return fail("the left button is still held after the click");
    }
    if (g_received.size() != 2 || g_received[0].message != WM_LBUTTONDOWN ||
        g_received[1].message != WM_LBUTTONUP) {
        std::fprintf(stderr, "tst_winsendinput: %zu button messages, expected a down then an up\n",
                     g_received.size());
        return 1;
    }
    for (const Received &r : g_received) {
        std::printf("tst_winsendinput: %s at (%ld, %ld)\n", r.message == WM_LBUTTONDOWN ? "down" : "up",
                    r.client.x, r.client.y);
        if (r.client.x != centreClient.x || r.client.y != centreClient.y) {
            return fail("a button message came at another point than the client centre");
        }
    }
    if (!(g_received[0].keys & MK_LBUTTON) || (g_received[1].keys & MK_LBUTTON)) {
        return fail("the button state of the messages is wrong");
    }
    DestroyWindow(window);
    std::printf("tst_winsendinput: PASS\n");
    return 0;
}
