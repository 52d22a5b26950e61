#pragma once
// An entry that may have to wait for the user. Entering a parameter asks questions (an input box,
// a message box); a desktop dialog answers before it returns, a page's dialog answers later, after
// other events. The entry is written once, as a coroutine that awaits each answer: it runs to its
// end at once when every answer comes at once, and otherwise stops at the question and goes on
// when the answer is given.
//
// A Task starts when it is awaited (or Start()ed, for one nobody awaits) and owns its coroutine:
// destroying it while it waits for an answer ends it there, with what it awaits.
//
// The awaiting never hands control over by a tail call (symmetric transfer): the browser build's
// compiler would need WebAssembly tail calls for that. An entry's coroutines nest three deep at
// most, so resuming by plain calls is no risk to the stack.

#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

#if __has_include(<coroutine>)
#include <coroutine>
namespace entry::coro {
using std::coroutine_handle;
using std::suspend_always;
}  // namespace entry::coro
#else
// emscripten 3.1.6's C++ library has the coroutine support under its earlier name only.
#include <experimental/coroutine>
namespace entry::coro {
using std::experimental::coroutine_handle;
using std::experimental::suspend_always;
}  // namespace entry::coro
#endif

namespace entry {

template <typename T = void>
class Task;

namespace task_detail {

// Resumes `caller` from a function of its own: LLVM turns a resume that ends a coroutine's
// suspension into a tail call, which the browser build cannot make (see above).
[[gnu::noinline]] inline void ResumeCaller(coro::coroutine_handle<> caller) { caller.resume(); }

struct PromiseBase {
    coro::coroutine_handle<> caller;  // the coroutine awaiting this one, if any
    bool callerWaits = false;         // the caller is suspended and must be resumed at the end

    coro::suspend_always initial_suspend() noexcept { return {}; }
    struct AtEnd {
        bool await_ready() noexcept { return false; }
        template <typename Promise>
        void await_suspend(coro::coroutine_handle<Promise> self) noexcept {
            // Touches nothing of this frame after the resume: the caller may destroy it.
            PromiseBase& promise = self.promise();
            if (promise.callerWaits) ResumeCaller(promise.caller);
        }
        void await_resume() noexcept {}
    };
    AtEnd final_suspend() noexcept { return {}; }
    void unhandled_exception() noexcept { std::terminate(); }
};

template <typename T>
struct Promise : PromiseBase {
    std::optional<T> value;
    Task<T> get_return_object();
    void return_value(T v) { value = std::move(v); }
};

template <>
struct Promise<void> : PromiseBase {
    Task<void> get_return_object();
    void return_void() {}
};

}  // namespace task_detail

template <typename T>
class Task {
  public:
    using promise_type = task_detail::Promise<T>;
    using Handle = coro::coroutine_handle<promise_type>;

    explicit Task(Handle handle) : handle_(handle) {}
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~Task() {
        if (handle_) handle_.destroy();
    }

    // Runs a task that nobody awaits until its first unanswered question or its end.
    void Start() { handle_.resume(); }
    bool Done() const { return handle_.done(); }
    // What a finished task returned.
    T Result()
        requires(!std::is_void_v<T>)
    {
        return std::move(*handle_.promise().value);
    }

    // Awaited: runs at once; the caller is suspended only if it stops at a question.
    bool await_ready() const noexcept { return false; }
    bool await_suspend(coro::coroutine_handle<> caller) {
        promise_type& promise = handle_.promise();
        promise.caller = caller;
        handle_.resume();
        if (handle_.done()) return false;
        promise.callerWaits = true;
        return true;
    }
    T await_resume() {
        if constexpr (!std::is_void_v<T>) return std::move(*handle_.promise().value);
    }

  private:
    Handle handle_;
};

namespace task_detail {
template <typename T>
Task<T> Promise<T>::get_return_object() {
    return Task<T>(Task<T>::Handle::from_promise(*this));
}
inline Task<void> Promise<void>::get_return_object() {
    return Task<void>(Task<void>::Handle::from_promise(*this));
}
}  // namespace task_detail

}  // namespace entry
