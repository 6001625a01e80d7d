#include "photo/photo_loading.h"

#include "photo/photo_wire.h"

#include "framework/base/child_process.h"
#include "framework/base/cstring.h"
#include "framework/base/modules.h"
#include "framework/base/translate.h"

namespace {
class ReaderProcess : public PhotoSource {
  public:
    explicit ReaderProcess(PhotoReaderLimits limits) : m_limits(std::move(limits)) {}

    PhotoFacts Read(const std::string& path, const std::string& shownAs) override {
        const std::string name = ShownText(shownAs.empty() ? path : shownAs);
        PhotoFacts facts;
        facts.file = path;
        if (!m_child.Running() && !Start()) {
            facts.refusal = MadeSentence(m_unavailable);
            return facts;
        }
        std::optional<std::string> answer;
        if (m_child.Send(PackPhotoRequest({path, shownAs})))
            answer = m_child.Receive();
        std::optional<PhotoFacts> read = answer ? UnpackPhotoFacts(*answer) : std::nullopt;
        if (!read) {
            m_child.Stop(); // the next photo starts another
            facts.refusal = {TR_NOOP("Photo", "%1 could not be read: the reader stopped."), {name}};
            return facts;
        }
        read->file = path;
        return *read;
    }

  private:
    // The reader started, and its stamp this build's; false, with the
    // sentence that says why, when it cannot be had.
    bool Start() {
        const std::string what = Tr("Photo", "Reading photos");
        ModuleFile module = OpenProgramModule(m_limits.program);
        if (module.problem == ModuleProblem::None &&
            m_child.Start(module.file, {m_limits.program},
                          {m_limits.memory, m_limits.silence, 16u << 20})) {
            const std::optional<std::string> stamp = m_child.Receive();
            if (stamp && *stamp == ProgramModuleStamp())
                return true;
            m_child.Stop();
            module.problem = stamp ? ModuleProblem::OtherBuild : ModuleProblem::Missing;
        }
        m_unavailable = ModuleProblemText(what, m_limits.program, module.problem);
        return false;
    }

    PhotoReaderLimits m_limits;
    CChildProcess m_child;
    std::string m_unavailable;
};
} // namespace

std::unique_ptr<PhotoSource> OpenPhotoReader() {
    return OpenPhotoReader(PhotoReaderLimits{kPhotoReaderProgram});
}

std::unique_ptr<PhotoSource> OpenPhotoReader(const PhotoReaderLimits& limits) {
    return std::make_unique<ReaderProcess>(limits);
}
