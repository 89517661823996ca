// The library's operations reached two ways, so that every case runs against
// both: the portable core in this process, and (on Windows) BANDCALC.DLL
// loaded by file name and bound by its decorated export names. Each binding
// object starts from a fresh band store.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

#include "core/band_store.h"
#include "core/dsp_word.h"

#ifdef _WIN32
#include <windows.h>

#include "bandcalc_abi.h"
#include "unique_handle.h"
#endif

struct CoreBinding : bandcalc::BandStore {
    static int ScaleCof(double value, int fracBits) { return bandcalc::ScaleCof(value, fracBits); }
    static double UnscaleCof(int word, int fracBits) {
        return bandcalc::UnscaleCof(word, fracBits);
    }
    static int PutCof(int word, int* high, int* middle, int* low) {
        return bandcalc::PutCof(word, high, middle, low);
    }
    static int SetScal(int /*scaleWord*/) { return 0; }
};

#ifdef _WIN32
class DllBinding {
public:
    DllBinding() : module_(LoadLibraryA(bandcalc_abi::kLibraryName)) {
        if (!module_) {
            throw std::runtime_error("BANDCALC.DLL did not load");
        }
    }

    int BandCalc(int band, double freq, double gain, double q) {
        return bandCalc_(band, freq, gain, q);
    }
    int GetBandCalc(int band, double* freq, double* gain, double* q) {
        return getBandCalc_(band, freq, gain, q);
    }
    int ScaleCof(double value, int fracBits) { return scaleCof_(value, fracBits); }
    int PutCof(int word, int* high, int* middle, int* low) {
        return putCof_(word, high, middle, low);
    }
    int GetCof(int band, double* a, double* b, double* c) { return getCof_(band, a, b, c); }
    int SetCof(int band, int lag2, int lag1, int gain) { return setCof_(band, lag2, lag1, gain); }
    double UnscaleCof(int word, int fracBits) { return unscaleCof_(word, fracBits); }
    int GetScal(int* scaleWord) { return getScal_(scaleWord); }
    int SetScal(int scaleWord) { return setScal_(scaleWord); }
    double PrintAbs(double freq) { return printAbs_(freq); }

private:
    template <typename Fn>
    Fn Bind(const char* name) {
        FARPROC entry = GetProcAddress(module_.get(), name);
        if (entry == nullptr) {
            throw std::runtime_error(std::string("missing export ") + name);
        }
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(entry));
    }

    tavimo::UniqueModule module_;
    bandcalc_abi::BandCalcFn bandCalc_ = Bind<bandcalc_abi::BandCalcFn>(bandcalc_abi::kBandCalc);
    bandcalc_abi::GetBandCalcFn getBandCalc_ =
        Bind<bandcalc_abi::GetBandCalcFn>(bandcalc_abi::kGetBandCalc);
    bandcalc_abi::ScaleCofFn scaleCof_ = Bind<bandcalc_abi::ScaleCofFn>(bandcalc_abi::kScaleCof);
    bandcalc_abi::PutCofFn putCof_ = Bind<bandcalc_abi::PutCofFn>(bandcalc_abi::kPutCof);
    bandcalc_abi::GetCofFn getCof_ = Bind<bandcalc_abi::GetCofFn>(bandcalc_abi::kGetCof);
    bandcalc_abi::SetCofFn setCof_ = Bind<bandcalc_abi::SetCofFn>(bandcalc_abi::kSetCof);
    bandcalc_abi::UnscaleCofFn unscaleCof_ =
        Bind<bandcalc_abi::UnscaleCofFn>(bandcalc_abi::kUnscaleCof);
    bandcalc_abi::GetScalFn getScal_ = Bind<bandcalc_abi::GetScalFn>(bandcalc_abi::kGetScal);
    bandcalc_abi::SetScalFn setScal_ = Bind<bandcalc_abi::SetScalFn>(bandcalc_abi::kSetScal);
    bandcalc_abi::PrintAbsFn printAbs_ = Bind<bandcalc_abi::PrintAbsFn>(bandcalc_abi::kPrintAbs);
};

using Bindings = ::testing::Types<CoreBinding, DllBinding>;
#else
using Bindings = ::testing::Types<CoreBinding>;
#endif

struct Words {
    double fbLag2Word, fbLag1Word, bandGainWord;
};
struct Design {
    double freq, gain, q;
};
struct Fields {
    int high, middle, low;
    bool operator==(const Fields&) const = default;
    friend void PrintTo(const Fields& f, std::ostream* os) {
        *os << "(" << f.high << ", " << f.middle << ", " << f.low << ")";
    }
};

// Gives each test its own binding, hence its own fresh band store, and reads
// the out-parameters back as values (pre-set to a marker that no operation
// writes).
template <typename Binding>
class BandcalcTest : public ::testing::Test {
protected:
    static constexpr double kUnwritten = -7;

    Binding lib;

    Words CofOf(int band) {
        Words w{kUnwritten, kUnwritten, kUnwritten};
        EXPECT_EQ(lib.GetCof(band, &w.fbLag2Word, &w.fbLag1Word, &w.bandGainWord), 0);
        return w;
    }
    Design DesignOf(int band) {
        Design d{kUnwritten, kUnwritten, kUnwritten};
        EXPECT_EQ(lib.GetBandCalc(band, &d.freq, &d.gain, &d.q), 0);
        return d;
    }
    Fields FieldsOf(int word) {
        Fields f{-7, -7, -7};
        EXPECT_EQ(lib.PutCof(word, &f.high, &f.middle, &f.low), 0);
        return f;
    }
    int ScaleWord() {
        int word = -7;
        EXPECT_EQ(lib.GetScal(&word), 0);
        return word;
    }
};
