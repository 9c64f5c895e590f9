#pragma once

#include <string>

class QWidget;

// The first start's default machine image, made while a progress dialog shows
// each step: a Wine prefix takes half a minute or more, and the window must
// not look frozen meanwhile.
namespace vantix::shell {

// Creates the default image when it is missing (the set-up runs on a worker
// thread; this one keeps painting). True when the image exists afterwards;
// false with `error` set when the set-up failed.
bool createDefaultImageShowingProgress(QWidget* parent, std::string& error);

}  // namespace vantix::shell
