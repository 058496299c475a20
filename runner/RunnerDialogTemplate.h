#pragma once
#include "ui/DialogTemplate.h"

// Dialog 102, the runner's one window.
const DialogTemplate& RunnerDialogTemplate();
