#include "app/folder_scan.h"

#include <atomic>
#include <utility>

#include "bink/bink_read.h"
#include "bink/folder_walk.h"

namespace vintrel {

// What the thread and the window share; the thread holds it for as long as
// it runs, whether or not the window is still there.
struct FolderScan::Shared {
  std::wstring folder;
  bool recursive = false;
  HWND window = nullptr;
  UINT message = 0;
  std::atomic<bool> stop{false};
  std::atomic<bool> posted{false};  // a message is on its way to the window

  SRWLOCK lock = SRWLOCK_INIT;  // guards what follows
  Batch waiting;

  class Locked {
   public:
    explicit Locked(SRWLOCK& lock) : lock_(lock) { ::AcquireSRWLockExclusive(&lock_); }
    ~Locked() { ::ReleaseSRWLockExclusive(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

   private:
    SRWLOCK& lock_;
  };

  // The last update is posted whatever is on its way, with wParam 1: the
  // window shows the end at once rather than at its next refresh.
  template <typename Change>
  void Update(Change change, bool last = false) {
    {
      const Locked locked(lock);
      change(waiting);
    }
    if (!stop.load() && (!posted.exchange(true) || last))
      ::PostMessageW(window, message, last, 0);
  }
};

namespace {

// The system's lister, counting the videos each listing finds for the
// progress bar, and each folder that fails, which has a row of its own.
class CountingLister : public FolderLister {
 public:
  explicit CountingLister(FolderScan::Shared& shared) : shared_(shared) {}

  FolderListing List(const SystemString& folder) override {
    FolderListing listing = ListFolder(folder);
    uint64_t videos = listing.failure.empty() ? 0 : 1;
    for (const FolderEntry& entry : listing.entries)
      videos += !entry.folder && IsVideoName(entry.name);
    shared_.Update([&](FolderScan::Batch& batch) { batch.found += videos; });
    return listing;
  }

 private:
  FolderScan::Shared& shared_;
};

void Scan(FolderScan::Shared& shared) {
  CountingLister lister(shared);
  FolderWalk walk(lister, SystemPath(shared.folder), shared.recursive);
  while (!shared.stop.load()) {
    std::optional<FolderWalk::Step> step = walk.Next();
    if (!step)
      break;
    BinkExamination file = step->failure.empty()
                               ? ExamineBinkFile(step->path, 0, &shared.stop)
                               : Unreadable(step->failure, ProblemKind::folderUnreadable);
    if (shared.stop.load())
      return;  // what a cancelled read gave is not the file's
    FolderRow row = FolderRowOf(std::move(step->relative), file);
    shared.Update([&](FolderScan::Batch& batch) {
      batch.files.push_back({std::move(row), std::move(file)});
      ++batch.done;
    });
  }
}

DWORD WINAPI ScanThread(void* parameter) {
  const std::unique_ptr<std::shared_ptr<FolderScan::Shared>> held(
      static_cast<std::shared_ptr<FolderScan::Shared>*>(parameter));
  FolderScan::Shared& shared = **held;
  bool failed = false;
  try {
    Scan(shared);
  } catch (...) {
    failed = true;  // out of memory: what was read stays, and the window says it is not all
  }
  shared.Update(
      [&](FolderScan::Batch& batch) {
        batch.finished = true;
        batch.failed = failed;
      },
      true);
  return 0;
}

}  // namespace

FolderScan::FolderScan(std::wstring folder, bool recursive, HWND window, UINT message)
    : shared_(std::make_shared<Shared>()) {
  shared_->folder = std::move(folder);
  shared_->recursive = recursive;
  shared_->window = window;
  shared_->message = message;
  auto parameter = std::make_unique<std::shared_ptr<Shared>>(shared_);
  thread_.reset(::CreateThread(nullptr, 0, &ScanThread, parameter.get(), 0, nullptr));
  if (thread_) {
    parameter.release();  // the thread's now
  } else {
    shared_->Update([](Batch& batch) { batch.finished = batch.failed = true; }, true);
  }
}

FolderScan::~FolderScan() {
  shared_->stop = true;
  // Long enough for any read of a local disk; a network folder that does not
  // answer must not freeze the window.
  if (thread_)
    ::WaitForSingleObject(thread_.get(), 200);
}

FolderScan::Batch FolderScan::Take() {
  // Cleared first: whatever is added from here on brings a message of its own.
  shared_->posted = false;
  const Shared::Locked locked(shared_->lock);
  Batch& waiting = shared_->waiting;
  return {std::exchange(waiting.files, {}), waiting.found, waiting.done, waiting.finished,
          waiting.failed};
}

}  // namespace vintrel
