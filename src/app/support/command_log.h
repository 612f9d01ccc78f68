#pragma once

class QWidget;

namespace wrk7 {

// Every menu and tool-bar command of window, when triggered, goes to the
// log ("command mnuReadAll Read All"): what the window did before a failure.
void LogCommands(QWidget* window);

}  // namespace wrk7
