#pragma once
// The settings as the program holds them at start-up, right before the first configuration load:
// start values, cleared records, then the resets the main window runs first.

void ResetAllSettings();
