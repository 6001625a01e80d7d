#include "photo/photo_loading.h"

#include "photo/photo_wire.h"

#include "framework/base/child_process.h"
#include "framework/base/cstring.h"
#include "framework/base/modules.h"
#include "framework/base/translate.h"

namespace {
// How many photos the reader is asked for ahead of the answer awaited, so
// that it reads on while the program works, and neither waits for the other.
constexpr std::size_t kAhead = 16;

class ReaderProcess : public PhotoSource {
  public:
    explicit ReaderProcess(PhotoReaderLimits limits) : m_limits(std::move(limits)) {}

    PhotoFacts Read(const std::string& path, const std::string& shownAs) override {
        PhotoFacts facts;
        ReadBatch({{path, shownAs}}, [&facts](std::size_t, const PhotoFacts& f) { facts = f; });
        return facts;
    }

    void ReadEach(const std::vector<std::string>& paths,
                  const std::function<void(std::size_t, const PhotoFacts&)>& each,
                  bool previews) override {
        std::vector<PhotoRequest> requests;
        requests.reserve(paths.size());
        for (const std::string& path : paths)
            requests.push_back({path, {}, previews});
        ReadBatch(requests, each);
    }

  private:
    // The photos asked for in order, up to kAhead ahead of the answer
    // awaited; a reader that stops costs the photo whose answer it owed, and
    // those asked for after it are asked of the next reader.
    void ReadBatch(const std::vector<PhotoRequest>& requests,
                   const std::function<void(std::size_t, const PhotoFacts&)>& each) {
        std::size_t next = 0;     // the first not yet asked for
        std::size_t answered = 0; // the first not yet answered
        while (answered < requests.size()) {
            if (!m_child.Running()) {
                if (!Start()) {
                    for (; answered < requests.size(); ++answered)
                        each(answered, Unavailable(requests[answered]));
                    return;
                }
                next = answered; // the new reader is asked again
            }
            while (next < requests.size() && next - answered < kAhead &&
                   m_child.Send(PackPhotoRequest(requests[next])))
                ++next;
            const std::optional<std::string> answer = m_child.Receive();
            std::optional<PhotoFacts> read = answer ? UnpackPhotoFacts(*answer) : std::nullopt;
            if (!read) {
                m_child.Stop(); // the next photo starts another
                read = Stopped(requests[answered]);
            }
            read->file = requests[answered].path;
            each(answered, *read);
            ++answered;
        }
    }

    // The reader started, and its stamp this build's; false, with the
    // sentence that says why, when it cannot be had.
    bool Start() {
        if (!m_unavailable.empty())
            return false;
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

    PhotoFacts Unavailable(const PhotoRequest& request) const {
        PhotoFacts facts;
        facts.file = request.path;
        facts.refusal = MadeSentence(m_unavailable);
        return facts;
    }

    static PhotoFacts Stopped(const PhotoRequest& request) {
        PhotoFacts facts;
        facts.refusal = {TR_NOOP("Photo", "%1 could not be read: the reader stopped."),
                         {ShownText(request.shownAs.empty() ? request.path : request.shownAs)}};
        return facts;
    }

    PhotoReaderLimits m_limits;
    CChildProcess m_child;
    std::string m_unavailable; // why no reader can be had, once known
};
} // namespace

std::unique_ptr<PhotoSource> OpenPhotoReader() {
    return OpenPhotoReader(PhotoReaderLimits{kPhotoReaderProgram});
}

std::unique_ptr<PhotoSource> OpenPhotoReader(const PhotoReaderLimits& limits) {
    return std::make_unique<ReaderProcess>(limits);
}
