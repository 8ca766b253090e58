#pragma once
// The state of moist air as the model describes it: the saturation vapour pressure over
// water (Magnus form with the model's constants), the humidity ratio and its inverse.
// The simulation's air properties and the condensation estimate use the same formulas, so
// that the air the heat model sees and the air that leaves its water are one and the same.

namespace talp {

// The pressure the model assumes for the ventilation air, Pa.
inline constexpr long double kModelAirPressure = 100000.0L;
// The relative humidity the model assumes when no humidity is known.
inline constexpr long double kModelRelativeHumidity = 0.8L;

// p_s(T) = 610.7 Pa · 10^(7.5 T / (T + 237)), T in °C.
long double saturationVapourPressure(long double airTemp);

// x = 0.622 · φ p_s / (p − φ p_s), kg water per kg dry air; φ as a fraction (0.8 = 80 %).
long double humidityRatioAt(long double airTemp, long double relativeHumidity, long double pressure);

// φ of air with the humidity ratio x (kg/kg) at T and p: the inverse of humidityRatioAt.
long double relativeHumidityOf(long double humidityRatio, long double airTemp, long double pressure);

}  // namespace talp
