#pragma once
// Durations and money as text.

#include <string>

#include "doc/display_formats_rounding.h"
#include "doc/locale_formats.h"
#include "framework/locale_formatter.h"

namespace tw {

// A duration rounded with RoundDuration(d, clockForm) and shown either as a clock (decimal
// notation off, or `clockForm` set: the locale's time formatter with the duration pictures, or
// "HH:MM[:SS]" with any number of hours when it fails, as it does from 24 hours on) or as
// decimal hours ("01.50"). A negative duration shows as "-" and its size.
std::string FormatDuration(Duration d, bool clockForm, const TimeDisplaySettings& settings,
                           const LocaleFormats& formats, const ILocaleFormatter& locale);

// An amount as the locale's money; "$%.2f" when the locale's formatter refuses it.
std::string FormatMoney(float amount, const ILocaleFormatter& locale);

// FormatMoney of ComputeCharge.
std::string FormatCharge(Duration elapsed, float rate, const TimeDisplaySettings& settings,
                         const ILocaleFormatter& locale);

}  // namespace tw
