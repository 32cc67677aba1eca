#pragma once
// The name of the .docx a run makes: never one that is already there.

#include <string>

// "my_diary.docx" in the folder, else the first free "my_diary%d.docx" for 1 to 1000; "" when
// every one is taken. When the plain name is taken and the design has no configuration file
// yet, the design first gets one: the first free "NewDiary%d.ini" of the program folder.
std::string ChooseOutputFileName(const std::string& outFolder);
// The same names without touching the design, fit for a worker thread.
std::string FreeOutputFileName(const std::string& outFolder);
