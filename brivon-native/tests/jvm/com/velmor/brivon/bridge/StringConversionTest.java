package com.velmor.brivon.bridge;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertNotNull;

import com.velmor.brivon.probe.CallbackProbe;
import com.velmor.brivon.testing.Engine;
import com.velmor.brivon.testing.HardStrings;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DisplayName;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/** Text between Java and the engine's UTF-16 strings. */
class StringConversionTest {
    @BeforeAll
    static void load() {
        Engine.load(true);
    }

    private static String unescape(String text) {
        return text.replace("\\0", "\0");
    }

    @ParameterizedTest(name = "Java \"{0}\" reaches the engine as \"{1}\"")
    @DisplayName("Java strings reach the engine cut at their first NUL, otherwise unchanged")
    @CsvSource(delimiter = '|', value = {
        "plain|plain",
        "before\\0after|before",
        "\\0leading|''",
        "😀 outside the BMP 𝄞|😀 outside the BMP 𝄞",
        "中文 und Umlaute äö|中文 und Umlaute äö",
        "''|''",
    })
    void javaToEngine(String java, String engine) {
        assertArrayEquals(engine.toCharArray(), CallbackProbe.toEngineUnits(unescape(java)));
    }

    @Test
    @DisplayName("a null Java string reaches the engine as the empty string")
    void nullIsEmpty() {
        assertEquals(0, CallbackProbe.toEngineUnits(null).length);
    }

    @ParameterizedTest(name = "engine \"{0}\" reaches Java unchanged")
    @DisplayName("engine strings reach Java unit for unit, NUL and supplementary characters included")
    @CsvSource(delimiter = '|', value = {
        "plain",
        "with\\0nul\\0inside",
        "😀𝄞 and a lone low surrogate \uDC00",
    })
    void engineToJava(String engine) {
        String expected = unescape(engine);
        assertEquals(expected, CallbackProbe.fromEngineUnits(expected.toCharArray()));
    }

    @Test
    @DisplayName("an empty engine string reaches Java as \"\", not null")
    void emptyIsEmptyNotNull() {
        String result = CallbackProbe.fromEngineUnits(new char[0]);
        assertNotNull(result);
        assertEquals("", result);
    }

    @Test
    @DisplayName("seeded random hard strings, a million units long included: to the engine cut at the first NUL, back unit for unit")
    void hardStringsBothWays() {
        long seed = HardStrings.seed();
        for (String text : HardStrings.make(seed, 2000)) {
            assertArrayEquals(HardStrings.beforeNul(text).toCharArray(), CallbackProbe.toEngineUnits(text), "seed " + seed);
            assertEquals(text, CallbackProbe.fromEngineUnits(text.toCharArray()), "seed " + seed);
        }
    }
}
