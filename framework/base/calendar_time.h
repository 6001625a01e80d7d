#pragma once
// A moment as a calendar and a clock show it, without a time zone (as a
// camera records when a photo was taken).

#include <string>

struct CalendarTime {
    int year = 0, month = 0, day = 0; // month and day from 1
    int hour = 0, minute = 0, second = 0;
};

// "2024-05-04 06:12:00", as programs and every language read it.
std::string IsoText(const CalendarTime& t);
