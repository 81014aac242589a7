#include "qt/editor_app.h"

int main(int argc, char** argv) {
  return vbe::RunEditor(argc, argv);
}
