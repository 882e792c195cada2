// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own names and addresses, as the user sees them everywhere.
#pragma once

namespace product {

inline constexpr const char* Title = "PARLOVA Text To Speech Reader";
// Spoken at start and when a job has no text; also the text of a new document.
inline constexpr const char* Greeting = "Welcome to Parlova Text To Speech Reader";
// The short name in the tray's tooltip.
inline constexpr const char* ShortName = "NURVA";
// The desktop entry's name (without ".desktop"), as the desktop knows the program.
inline constexpr const char* DesktopId = "org.example.nurva";
inline constexpr const char* HomePageUrl = "https://nurva.example.org/";
inline constexpr const char* ContactUrl = "mailto:support@nurva.example.org";
// The single-instance name is these around the application title; earlier versions used the
// same spelling, so it stays.
inline constexpr const char* InstancePrefix = "Hollin ";
inline constexpr const char* InstanceSuffix = " is runing";

} // namespace product
