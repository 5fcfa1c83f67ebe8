package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;

import com.velmor.brivon.jni.CefLib;
import com.velmor.brivon.probe.CallbackProbe;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;
import org.junit.jupiter.api.Test;

/** The legacy build's strings, which cross through UTF-8. */
class LegacyStringTest {
    @BeforeAll
    static void load() {
        CefLib.load(System.getProperty("brivon.legacy.probe.library"));
    }

    @ParameterizedTest(name = "\"{0}\"")
    @DisplayName("text of the Basic Multilingual Plane crosses both ways unchanged")
    @ValueSource(strings = {"plain", "中文 und Umlaute äö", "€ and ☃", ""})
    void bmpTextRoundTrips(String text) {
        assertArrayEquals(text.toCharArray(), CallbackProbe.toEngineUnits(text));
        assertEquals(text, CallbackProbe.fromEngineUnits(text.toCharArray()));
    }

    @Test
    @DisplayName("null reaches the engine as the empty string")
    void nullIsEmpty() {
        assertEquals(0, CallbackProbe.toEngineUnits(null).length);
    }
}
