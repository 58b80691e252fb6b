#version 440
// A 9-tap box blur of the source, `radius` pixels wide.
layout(location = 0) in vec2 qt_TexCoord0;
layout(location = 0) out vec4 fragColor;
layout(std140, binding = 0) uniform buf {
    mat4 qt_Matrix;
    float qt_Opacity;
    vec2 texelSize;
    float radius;
};
layout(binding = 1) uniform sampler2D source;

void main()
{
    vec4 sum = vec4(0.0);
    for (int x = -1; x <= 1; ++x) {
        for (int y = -1; y <= 1; ++y) {
            sum += texture(source, qt_TexCoord0 + vec2(x, y) * texelSize * radius);
        }
    }
    fragColor = sum / 9.0 * qt_Opacity;
}
