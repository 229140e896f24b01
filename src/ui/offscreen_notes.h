#pragma once

namespace qm {

// Keeps Qt's offscreen platform from writing to standard error about every
// window operation it cannot do (raise(), size hints); other messages pass.
void DropOffscreenPlatformNotes();

}  // namespace qm
