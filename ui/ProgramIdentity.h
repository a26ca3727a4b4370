#pragma once
// What a program tells Qt about itself at its start: its name, the desktop entry it belongs to
// and its icon. Never an application display name: Qt would append it to every window caption
// ("AE Varnel - PROOF.DTA — AE Varnel", "Data view.. — AE Varnel"), and the captions are the
// programs' own texts.
#include "ui/ProgramIcon.h"

namespace ae {

void SetProgramIdentity(ProgramIcon::Program program);

}  // namespace ae
