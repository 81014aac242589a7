// The editor as the start-up benchmark starts it: the same program, which also reports its
// first painted frame and then ends. The installed program carries no such hook.
#include "first_frame.h"
#include "qt/editor_app.h"

int main(int argc, char** argv) {
  return vbe::RunEditor(argc, argv, [](QWidget& window) { vbe::ReportFirstFrameIfAsked(window); });
}
