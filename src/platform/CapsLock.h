#pragma once

// The host keyboard's Caps Lock, read from the platform at the moment of the
// call. False wherever the state cannot be known.
namespace Platform {

// Caps Lock toggled on (and, where the platform tells, its key not held down).
bool CapsLockOn();

} // namespace Platform
