#include "ui/DialogTemplate.h"

const ControlTemplate* DialogTemplate::Find(int id) const {
    for (const ControlTemplate& control : controls)
        if (control.id == id) return &control;
    return nullptr;
}
