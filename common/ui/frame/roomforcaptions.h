#pragma once

class QApplication;
class QWidget;

// The windows are laid out at the sizes of their Spanish captions. In
// another language a caption may need more room: its label or button is
// widened into the free room beside it, and where there is none what stands
// to its right moves over and the window grows. Spanish windows keep their
// sizes.
void makeRoomForCaptions(QWidget* window);

// Makes room in every window of the program when it is first shown.
void makeRoomInEveryWindow(QApplication& app);
