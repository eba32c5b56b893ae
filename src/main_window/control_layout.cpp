#include "control_layout.h"

namespace {

using enum ControlKind;
using enum ControlFont;
using enum CaptionAlignment;

constexpr QColor lightGreen(192, 255, 192); // &H00C0FFC0
constexpr QColor white(255, 255, 255);
constexpr QColor systemButton; // invalid: the face keeps the system's colour

// clang-format off
const ControlTable controls{{
    // name        kind          index caption         left   top  width height tab font       align    face
    {"Command4",   PushButton,   4,    "CHECK!",        360,    0, 1095,  495,  19, Small,     Centred, lightGreen},
    {"Option1",    OptionButton, 1,    "Equation",      120,  600, 1335,  495,  17, Window,    Left,    systemButton},
    {"Option2",    OptionButton, 2,    "System",        120, 1200, 1335,  495,  18, Window,    Left,    systemButton},
    {"Command1",   PushButton,   1,    "run",          1800, 4800, 1215,  495,   3, Window,    Centred, white},
    {"Command2",   PushButton,   2,    "clear fields", 3480, 4800, 1215,  615,   4, Window,    Centred, white},
    {"Command3",   PushButton,   3,    "exit",         5160, 4800, 1215,  495,   5, Window,    Centred, white},
    {"Command5",   PushButton,   5,    "INFO",         8040, 4440,  255, 1095,  30, SmallBold, Centred, systemButton},

    {"Text(1)",    InputBox,     1,    "",              840, 2640, 1335,  495,   0, Window,    Left,    systemButton},
    {"Text(2)",    InputBox,     2,    "",              840, 3120, 1335,  495,   1, Window,    Left,    systemButton},
    {"Text(3)",    InputBox,     3,    "",              840, 3600, 1335,  495,   2, Window,    Left,    systemButton},
    {"Text(4)",    InputBox,     4,    "",             2760, 2640, 1335,  495,   9, Window,    Left,    systemButton},
    {"Text(5)",    InputBox,     5,    "",             2760, 3120, 1335,  495,  11, Window,    Left,    systemButton},
    {"Text(6)",    InputBox,     6,    "",             2760, 3600, 1335,  495,  12, Window,    Left,    systemButton},
    {"Text(7)",    ResultBox,    7,    "",             6000,  840, 1335,  495,  23, Window,    Left,    systemButton},
    {"Text(8)",    ResultBox,    8,    "",             6000, 1320, 1335,  495,  24, Window,    Left,    systemButton},
    {"Text(9)",    ResultBox,    9,    "",             6000, 1800, 1335,  495,  25, Window,    Left,    systemButton},
    {"Text(10)",   ResultBox,    10,   "",             5280, 3360, 2655,  495,  28, Window,    Left,    systemButton},
    {"Text(11)",   ResultBox,    11,   "",             5280, 3960, 2655,  495,  29, Window,    Left,    systemButton},

    {"Label(1)",   Label,        1,    "",             5520, 2520, 2295,  615,  13, Window,    Left,    systemButton},
    {"Label(2)",   Label,        2,    "",              240, 2640,  615,  495,   6, Window,    Centred, systemButton},
    {"Label(3)",   Label,        3,    "",              240, 3120,  615,  495,   7, Window,    Centred, systemButton},
    {"Label(4)",   Label,        4,    "",              240, 3600,  615,  495,   8, Window,    Centred, systemButton},
    {"Label(5)",   Label,        5,    "D=",           5400,  840,  615,  495,  10, Window,    Right,   systemButton},
    {"Label(6)",   Label,        6,    "",             2400,    0, 3255,  615,  14, WindowBold, Centred, systemButton},
    {"Label(7)",   Label,        7,    "",             4800, 3360,  375,  495,  15, Window,    Left,    systemButton},
    {"Label(8)",   Label,        8,    "",             4800, 3960,  375,  495,  16, Window,    Left,    systemButton},
    {"Label(9)",   Label,        9,    "",             2280, 2640,  495,  495,  20, Window,    Left,    systemButton},
    {"Label(10)",  Label,        10,   "",             2280, 3120,  495,  495,  21, Window,    Left,    systemButton},
    {"Label(11)",  Label,        11,   "",             2280, 3600,  495,  495,  22, Window,    Left,    systemButton},
    {"Label(12)",  Label,        12,   "D1=",          5400, 1320,  615,  495,  26, Window,    Right,   systemButton},
    {"Label(13)",  Label,        13,   "D2=",          5400, 1800,  735,  495,  27, Window,    Centred, systemButton},
}};
// clang-format on

} // namespace

const ControlTable& mainWindowControls() {
    return controls;
}
