#pragma once
// What the user is told when a run does not make the document.

#include "app/generation/GenerationRun.h"

#include <string>

// The text for the run's failure in the output folder of the job, with the system's reason for it
// on a line of its own where there is one; "" for a run that made its document or was stopped.
std::string FailureMessage(GenerationStatus status, const GenerationJob& job);
