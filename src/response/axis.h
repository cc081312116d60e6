// The straight axes of the response graphs: where a value lands on the page
// and which value a coordinate shows.
#pragma once

namespace larkspan {

// The value `ref` sits at coordinate `at`; each unit of value moves `scale`
// points (negative where a rising value goes up the page). map() evaluates
// v·scale − ref·scale + at in exactly that order, so that every graph keeps
// the coordinates it has always drawn: with ref = 0 this is bit for bit
// at + scale·v, and the frequency axis keeps its "·200 − 200 + 45".
struct Axis {
    double at = 0;
    double scale = 1;
    double ref = 0;

    constexpr double map(double v) const { return v * scale - ref * scale + at; }
    constexpr double inverse(double c) const { return (c - at) / scale + ref; }
};

// The frequency axis of every frequency-domain graph, in units of log20 f: a
// factor of 20 in frequency spans 200 points, and 20 Hz sits at x = 45.
inline constexpr Axis kFrequencyAxis{45, 200, 1};

// The graph axes, y downward. The amplitude graph: 0 dB at 130, 8 points
// per dB. The impedance graph: 1 ohm at 330, 93.33 points per decade of
// ohms. The phase graph: 0° at 330 minus 0.78 per degree, the values being
// unwrapped from the top of the graph. The group-delay graph: zero at 190
// and 140 points for the full scale. The Nyquist diagram: origin at
// (270, 190), 70 points per unit, imaginary axis up.
inline constexpr Axis kAmplitudeAxis{130, 8};
inline constexpr Axis kImpedanceAxis{330, -93.33333333333333};
// The corrected-impedance curves have always been placed with the constant
// written to six decimals; the grid and the network's own impedance curves
// use the full one. The two differ by up to a thousandth of a point, which
// is enough to move an antialiased pixel, so each keeps its own.
inline constexpr Axis kCorrectedImpedanceAxis{330, -93.333333};
inline constexpr Axis kPhaseAxis{330, -0.7777777777777778};
inline constexpr Axis kGroupDelayAxis{190, -140};
inline constexpr Axis kNyquistReal{270, 70};
inline constexpr Axis kNyquistImaginary{190, -70};

}  // namespace larkspan
