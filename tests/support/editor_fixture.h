#pragma once

#include <gtest/gtest.h>

#include "commands/operations.h"
#include "core/bind_file.h"
#include "support/memory_bind_document.h"
#include "support/recording_audio.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace vbe::testing {

// Drive c: on a fresh folder, a document in memory, a scripted user and recorded sound.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest() { drives.SetDrive('c', disk.path()); }

  TempFolder disk;
  DriveTable drives;
  MemoryBindDocument document;
  ScriptedDialogs dialogs;
  RecordingAudio audio;
  EditorServices editor{document, dialogs, drives, audio};
};

// The bytes Save writes for these lines.
inline std::string BindBytes(const BindLines& lines, TextColour colour) {
  return ComposeBindFile(*ComposeSayLines(lines, colour));
}

}  // namespace vbe::testing
