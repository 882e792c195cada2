// The skinned frame as a screen reader sees it. The caption buttons are pictures that take
// presses (TKoImage); to the accessibility bus they are the push buttons they look like, named
// by their tooltips ("Close", "Minimize", ...), and the reader's press action clicks them.
#pragma once

class QWidget;

namespace koframe {

// Marks `picture` as a caption button. The interface that says so is installed with the first.
void MarkCaptionButton(QWidget* picture);

} // namespace koframe
