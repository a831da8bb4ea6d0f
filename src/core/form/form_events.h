#pragma once

#include <array>

#include "core/form/form1.h"

// The window events that a host forwards to the form, by item name.
namespace kestrel {

struct ButtonEvent {
    const char* name;
    void (Form1::*click)();
};

struct TimerEvent {
    const char* name;
    TimerItem FormItems::*timer;
    void (Form1::*tick)();
};

inline constexpr std::array<ButtonEvent, 3> kButtonEvents{{
    {"Command1", &Form1::Command1_Click},
    {"Command2", &Form1::Command2_Click},
    {"Command3", &Form1::Command3_Click},
}};

inline constexpr std::array<TimerEvent, 4> kTimerEvents{{
    {"Timer1", &FormItems::Timer1, &Form1::Timer1_Timer},
    {"Timer2", &FormItems::Timer2, &Form1::Timer2_Timer},
    {"Timer3", &FormItems::Timer3, &Form1::Timer3_Timer},
    {"Timer4", &FormItems::Timer4, &Form1::Timer4_Timer},
}};

// A timer's tick runs its procedure only while the timer is enabled.
inline void tick(Form1& form, const TimerEvent& event) {
    if ((form.*event.timer).Enabled) {
        (form.*event.tick)();
    }
}

}  // namespace kestrel
