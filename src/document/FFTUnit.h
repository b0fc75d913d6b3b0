#pragma once

#include "RadixFFT.h"

#include <QObject>

// The radix-2 FFT as an object of the window's tree (owned by its QObject
// parent); the transform itself is TRadix2FFT's.
class TFFT : public QObject, public TRadix2FFT {
public:
  // length: a power of two from 4 to MaxLength, read once; any other length
  // throws std::invalid_argument.
  TFFT(QObject *owner, const int &length) : QObject(owner), TRadix2FFT(length) {}
};
