// CErrorOr<T>: what a function that can fail returns, its value or the one
// line that says why it failed (worded for the person who reads it: "cannot
// write a.png: No space left on device"). CErrorOr<void> is the same for a
// function that has nothing else to return. This is how every layer says
// "failed, and why"; docs/code-style.md tells where exceptions are used instead.
//
//     CErrorOr<CFrameBuffer> ReadPng(const std::string& path) {
//         ...
//         if (!file) return CFailure{"cannot open " + path};
//         ...
//         return image;
//     }
//
//     if (const CErrorOr<CFrameBuffer> image = ReadPng(path)) Show(*image);
//     else Print(image.Reason());
//
// Asking a failure for its value, or a success for its reason, is a
// programming mistake: it throws CMyException.
#pragma once

#include <concepts>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

// The reason a CErrorOr is made from: `return CFailure{"cannot open " + path};`.
struct CFailure {
    std::string reason;
};

template <class T>
class CErrorOr;

namespace ErrorOrDetail {

// CFailure and CErrorOr, which are never taken for a value.
template <class From>
inline constexpr bool kIsResult = false;
template <>
inline constexpr bool kIsResult<CFailure> = true;
template <class T>
inline constexpr bool kIsResult<CErrorOr<T>> = true;

// What a CErrorOr<T>'s value can be made from.
template <class From, class T>
concept ValueSource = std::constructible_from<T, From&&> && !kIsResult<std::remove_cvref_t<From>>;

[[noreturn]] void ThrowNoValue(const std::string& reason);
[[noreturn]] void ThrowNoReason();

// What CErrorOr<T> and CErrorOr<void> share: Stored is T or std::monostate.
template <class Stored>
class CErrorOrBase {
public:
    // True when the function succeeded.
    explicit operator bool() const noexcept { return state_.index() == 0; }

    // Why the function failed.
    const std::string& Reason() const {
        if (*this) ThrowNoReason();
        return std::get<1>(state_).reason;
    }

protected:
    template <class... Arguments>
    explicit CErrorOrBase(Arguments&&... arguments) : state_(std::forward<Arguments>(arguments)...) {}

    Stored& StoredValue() {
        if (!*this) ThrowNoValue(Reason());
        return std::get<0>(state_);
    }
    const Stored& StoredValue() const {
        if (!*this) ThrowNoValue(Reason());
        return std::get<0>(state_);
    }

    std::variant<Stored, CFailure> state_;
};

}  // namespace ErrorOrDetail

template <class T>
class [[nodiscard]] CErrorOr : public ErrorOrDetail::CErrorOrBase<T> {
    using Base = ErrorOrDetail::CErrorOrBase<T>;

public:
    CErrorOr(CFailure failure) : Base(std::in_place_index<1>, std::move(failure)) {}
    // Anything T is made from: `return picture;`, `return std::nullopt;`.
    template <ErrorOrDetail::ValueSource<T> From = T>
    CErrorOr(From&& value) : Base(std::in_place_index<0>, std::forward<From>(value)) {}
    // Another result whose value makes a T, passed on as it is, failure and
    // all: `return CRecorder::Create(path);` for a CErrorOr<std::optional<CRecorder>>.
    template <ErrorOrDetail::ValueSource<T> Other>
    CErrorOr(CErrorOr<Other>&& other) : Base(std::in_place_index<1>, CFailure{}) {
        // Filled in place: a variant moved in whole trips GCC 12's
        // maybe-uninitialized warning at -O3.
        if (other)
            this->state_.template emplace<0>(std::move(other).Value());
        else
            std::get<1>(this->state_).reason = other.Reason();
    }

    T& Value() & { return this->StoredValue(); }
    const T& Value() const& { return this->StoredValue(); }
    T&& Value() && { return std::move(this->StoredValue()); }

    T& operator*() & { return Value(); }
    const T& operator*() const& { return Value(); }
    T&& operator*() && { return std::move(*this).Value(); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
};

template <>
class [[nodiscard]] CErrorOr<void> : public ErrorOrDetail::CErrorOrBase<std::monostate> {
public:
    // Success.
    CErrorOr() : CErrorOrBase(std::in_place_index<0>) {}
    CErrorOr(CFailure failure) : CErrorOrBase(std::in_place_index<1>, std::move(failure)) {}
};
