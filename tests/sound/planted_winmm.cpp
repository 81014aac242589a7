// A winmm.dll planted beside the test programs, as a malicious download folder could hold one:
// its mciSendStringA answers a code the real one never gives. The editor must never load it.
extern "C" __declspec(dllexport) unsigned long mciSendStringA(const char*, char*, unsigned, void*) {
  return 4242;
}
