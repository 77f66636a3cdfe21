#include "support/fake_programs.h"

#include "platform/files.h"

#include <chrono>
#include <sys/stat.h>
#include <thread>

FakePrograms::FakePrograms() : path_("PATH", folder_.Path()) {}

void FakePrograms::Add(const std::string& name) {
    const std::string log = LogPath();
    const std::string script =
        folder_.Write(name, "#!/bin/sh\nprintf '%s %s' \"${0##*/}\" \"$*\" > \"" + log +
                                ".tmp\"\n/bin/mv \"" + log + ".tmp\" \"" + log + "\"\n");
    ::chmod(script.c_str(), 0755);
}

std::string FakePrograms::Call() const {
    for (int i = 0; i < 200 && !FileExists(LogPath()); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    std::string call;
    ReadWholeFile(LogPath(), call);
    return call;
}
