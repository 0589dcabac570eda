#include "framework/modal_window.h"

namespace {

// The program's windows all live on its one user-interface thread.
int open_modal_windows = 0;

}  // namespace

ModalWindowScope::ModalWindowScope() { ++open_modal_windows; }

ModalWindowScope::~ModalWindowScope() { --open_modal_windows; }

bool ModalWindowScope::AnyOpen() { return open_modal_windows > 0; }
